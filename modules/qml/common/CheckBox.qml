import QtQuick

// A check box with the skin's pictures and a text.
Item {
    id: box

    property bool checked: false
    property alias text: label.text

    signal toggled(bool checked)

    implicitWidth: mark.width + 6 + label.implicitWidth
    implicitHeight: Math.max(mark.height, label.implicitHeight)
    width: implicitWidth
    height: implicitHeight
    opacity: enabled ? 1.0 : 0.5

    Image {
        id: mark

        anchors.verticalCenter: parent.verticalCenter
        width: 14
        height: 14
        source: skinPath + (box.checked ? "common/checkbox_1.png" : "common/checkbox_0.png")
    }

    Text {
        id: label

        anchors.left: mark.right
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: (mouseArea.containsMouse || box.checked) ? globalSetting_color_enable : globalSetting_color_disable
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(4)
            box.checked = !box.checked
            box.toggled(box.checked)
        }
    }
}
