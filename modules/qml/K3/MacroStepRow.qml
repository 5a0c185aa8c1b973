import QtQuick

// One step of the action list: its number, the value at the left and the command tag at the right.
Rectangle {
    id: row

    property int number: 0
    property string value: ""
    property string tag: ""
    property bool selected: false

    signal clicked()

    height: 24
    radius: 2
    color: selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.28)
                    : (mouseArea.containsMouse ? "#26ffffff" : "transparent")
    border.color: selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.7)
                           : "transparent"

    Text {
        id: numberText

        x: 6
        width: 28
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        text: (row.number < 10 ? "0" : "") + row.number
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size - 1
        color: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.75)
    }

    Text {
        id: valueText

        anchors.left: numberText.right
        anchors.right: tagText.left
        anchors.rightMargin: 6
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: row.value
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: row.selected
        color: (row.selected || mouseArea.containsMouse) ? globalSetting_color_enable : globalSetting_color_disable
    }

    Text {
        id: tagText

        anchors.right: parent.right
        anchors.rightMargin: 8
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        text: row.tag.trim()
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: valueText.color
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        onClicked: row.clicked()
    }
}
