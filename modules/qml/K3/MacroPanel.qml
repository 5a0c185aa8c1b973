import QtQuick

// A framed panel with a title bar; the children fill the area below the title.
Rectangle {
    id: panel

    property alias title: titleText.text
    property alias note: noteText.text
    property bool accented: false
    readonly property bool titled: title !== ""
    default property alias content: body.data

    radius: 3
    color: "#b0101214"
    border.color: accented ? Qt.rgba(globalSetting_color.r, globalSetting_color.g, globalSetting_color.b, 0.8)
                           : "#5a5e66"
    opacity: enabled ? 1.0 : 0.4

    Text {
        id: titleText

        anchors.left: parent.left
        anchors.right: noteText.left
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        height: 28
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size + 1
        font.bold: true
        color: globalSetting_color_enable
    }

    Text {
        id: noteText

        anchors.right: parent.right
        anchors.rightMargin: 10
        height: 28
        verticalAlignment: Text.AlignVCenter
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color_disable
    }

    Rectangle {
        id: rule

        visible: panel.titled
        x: 6
        y: 28
        width: parent.width - 12
        height: 1
        color: Qt.rgba(globalSetting_color.r, globalSetting_color.g, globalSetting_color.b, 0.45)
    }

    Item {
        id: body

        x: 4
        y: panel.titled ? 32 : 4
        width: parent.width - 8
        height: parent.height - y - 4
    }
}
