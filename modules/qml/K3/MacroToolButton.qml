import QtQuick
import "../common"

// A picture button of the macro page with a tooltip that appears while the pointer rests on it.
Button_2state {
    id: button

    property string tip: ""
    property bool tipShown: false

    width: 30
    height: 30
    z: hovered ? 10 : 0
    opacity: pressed ? 0.8 : (enabled ? 1.0 : 0.3)
    onHoveredChanged: tipShown = false

    Timer {
        id: tipDelay

        interval: 500
        running: button.hovered && button.tip !== ""
        onTriggered: button.tipShown = true
    }

    Rectangle {
        id: tipBox

        anchors.top: parent.bottom
        anchors.topMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        width: tipText.implicitWidth + 14
        height: tipText.implicitHeight + 8
        visible: button.tipShown
        radius: 2
        color: "#1e1e1e"
        border.color: "#6e6e6e"

        Text {
            id: tipText

            anchors.centerIn: parent
            text: button.tip
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color_enable
        }
    }
}
