import QtQuick

// A vertical colour strip of eight bands: black, red, yellow, green, cyan, blue, magenta, white, black.
Item {
    id: strip

    signal picked(int red, int green, int blue)

    // Colour at height y of a strip h pixels high, as [red, green, blue].
    function colorAt(y, h) {
        var t = Math.min(Math.max(y, 0), h - 1) / (h - 1) / 0.125
        var band = Math.floor(t)
        var c = 255 * (t - band)
        var bands = [[c, 0, 0], [255, c, 0], [255 - c, 255, 0], [0, 255, c], [0, 255 - c, 255],
                     [c, 0, 255], [255, c, 255], [255 - c, 255 - c, 255 - c]]
        return band < bands.length ? bands[band].map(Math.round) : [0, 0, 0]
    }

    function pickAt(y) {
        var rgb = colorAt(y, height)
        marker.y = Math.min(Math.max(y, 0), height - 1) - marker.height / 2
        marker.visible = true
        picked(rgb[0], rgb[1], rgb[2])
    }

    implicitWidth: 14
    implicitHeight: 96
    width: implicitWidth
    height: implicitHeight

    Rectangle {
        id: bands

        anchors.fill: parent
        border.color: "#5a5e66"
        gradient: Gradient {
            GradientStop { position: 0 / 8; color: "#000000" }
            GradientStop { position: 1 / 8; color: "#ff0000" }
            GradientStop { position: 2 / 8; color: "#ffff00" }
            GradientStop { position: 3 / 8; color: "#00ff00" }
            GradientStop { position: 4 / 8; color: "#00ffff" }
            GradientStop { position: 5 / 8; color: "#0000ff" }
            GradientStop { position: 6 / 8; color: "#ff00ff" }
            GradientStop { position: 7 / 8; color: "#ffffff" }
            GradientStop { position: 8 / 8; color: "#000000" }
        }
    }

    Rectangle {
        id: marker

        x: -2
        width: parent.width + 4
        height: 3
        visible: false
        color: "transparent"
        border.color: "#ffffff"
    }

    MouseArea {
        anchors.fill: parent
        onPressed: mouse => strip.pickAt(mouse.y)
        onPositionChanged: mouse => {
            if (pressed)
                strip.pickAt(mouse.y)
        }
    }
}
