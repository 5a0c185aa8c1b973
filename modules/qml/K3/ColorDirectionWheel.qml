import QtQuick

// The direction wheel: 1 turns the effect to the right (►), 2 to the left (◄).
Item {
    id: wheel

    property int direction: 1

    signal chosen(int direction)

    function choose(d) {
        if (d !== direction)
            chosen(d)
    }

    implicitWidth: 76
    implicitHeight: 28
    opacity: enabled ? 1.0 : 0.35

    Rectangle {
        id: rim

        anchors.fill: parent
        radius: height / 2
        color: "#b0101214"
        border.color: "#5a5e66"
    }

    Rectangle {
        id: hub

        width: parent.height - 6
        height: width
        radius: width / 2
        y: 3
        x: wheel.direction === 2 ? 3 : wheel.width - width - 3
        color: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.35)
        border.color: globalSetting_color_enable

        Behavior on x { NumberAnimation { duration: animation_speed / 4; easing.type: Easing.OutCubic } }

        Text {
            anchors.centerIn: parent
            text: wheel.direction === 2 ? "◄" : "►"
            font.pixelSize: 11
            color: globalSetting_color_enable
        }
    }

    Text {
        anchors.verticalCenter: parent.verticalCenter
        x: wheel.direction === 2 ? wheel.width - width - 10 : 10
        text: wheel.direction === 2 ? "►" : "◄"
        font.pixelSize: 11
        color: wheelMouse.containsMouse ? globalSetting_color_enable : globalSetting_color_disable
    }

    MouseArea {
        id: wheelMouse

        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: mouse => {
            ui_View.playMedia_Index(4)
            wheel.choose(mouse.x < wheel.width / 2 ? 2 : 1)
        }
    }
}
