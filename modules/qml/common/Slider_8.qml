import QtQuick

// An eight-step slider. The mouse reaches positions 0..6; the program may also set 7.
Item {
    id: slider

    property int position: 0
    readonly property var ticks: [21, 37, 53, 69, 85, 101, 119, 133]

    signal moved(int position)

    // Position under a knob at x: the first tick beyond it, minus one, with the knob kept in 21..119.
    function positionAt(x) {
        var knob = Math.min(Math.max(x, ticks[0]), ticks[6])
        var i = 1
        while (ticks[i] <= knob)
            ++i
        return i - 1
    }

    function dragTo(x) {
        var p = positionAt(x)
        if (p !== position) {
            position = p
            moved(p)
        }
    }

    implicitWidth: 154
    implicitHeight: 20
    width: implicitWidth
    height: implicitHeight
    opacity: enabled ? 1.0 : 0.5

    Image {
        id: base

        anchors.fill: parent
        source: skinPath + "common/slider_BASE.png"
    }

    Item {
        id: filled

        width: knob.x + knob.width / 2
        height: parent.height
        clip: true

        Image {
            width: slider.width
            height: slider.height
            source: skinPath + (mouseArea.containsMouse || mouseArea.pressed ? "common/slider_FILLER_1.png"
                                                               : "common/slider_FILLER_0.png")
        }
    }

    Rectangle {
        id: knob

        x: slider.ticks[Math.min(Math.max(slider.position, 0), 7)] - width / 2
        anchors.verticalCenter: parent.verticalCenter
        width: 8
        height: parent.height - 2
        radius: 2
        color: mouseArea.pressed ? globalSetting_color_enable : "#e6e8ec"
        border.color: "#202226"
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        onPressed: mouse => slider.dragTo(mouse.x)
        onPositionChanged: mouse => {
            if (pressed)
                slider.dragTo(mouse.x)
        }
    }
}
