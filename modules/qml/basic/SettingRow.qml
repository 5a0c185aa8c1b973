import QtQuick

// One labelled line of the settings page: the label at the left, the control at the right.
Item {
    id: row

    property alias text: label.text
    default property alias control: holder.data

    width: parent ? parent.width : 279
    height: 22

    Text {
        id: label

        width: 92
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 8
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: globalSetting_color_disable
    }

    Item {
        id: holder

        x: label.width + 6
        width: row.width - x
        height: parent.height
    }
}
