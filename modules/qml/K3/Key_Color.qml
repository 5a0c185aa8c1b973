import QtQuick

// One key of the lighting preview: its cap, a glow and its label in the light's colour,
// the label again in half-transparent white over it, and the selection frame while painting
// touches it. The white keeps every label readable: a lit label would vanish in a glow of its
// own colour, an unlit one on the dark cap.
// The space bar (position 85) never shows its label in colour nor the frame.
Item {
    id: key

    required property Key_ColorPro keyPro
    property string skinFolder: ""
    // Written by the preview on every change of the light, straight into the glow and the
    // label: a binding through a colour property costs the script engine an object each time.
    property alias lightColor: glow.color
    property alias labelColor: litLabel.color
    property real lightOpacity: 0
    property bool framed: false
    readonly property bool isSpaceBar: keyPro.position === 85
    readonly property int fallbackSize: 30
    // The labels are fitted once the cap has given the key its size, not first to the
    // fallback size as well: that would double the cost of building the keyboard.
    readonly property bool sized: keyPro.keyType <= 0 || cap.status === Image.Ready || cap.status === Image.Error

    // Every label starts at one size, so the labels of a row match; long labels of narrow keys
    // wrap, and shrink only if they must.
    component KeyLabel: Text {
        anchors.fill: parent
        anchors.margins: 2
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        fontSizeMode: Text.Fit
        minimumPixelSize: 6
        text: key.sized ? key.keyPro.name : ""
        font.family: globalSetting_fontFamily
        font.pixelSize: 9
        font.bold: true
    }

    x: keyPro.x
    y: keyPro.y
    width: cap.status === Image.Ready ? cap.implicitWidth : fallbackSize
    height: cap.status === Image.Ready ? cap.implicitHeight : fallbackSize

    Image {
        id: cap

        source: key.keyPro.keyType > 0 ? key.skinFolder + "model_kb/k" + key.keyPro.keyType + "-0.png" : ""
    }

    // The light: a glow over the cap and the label in the light's colour.
    Item {
        id: light

        anchors.fill: parent
        opacity: key.lightOpacity

        Rectangle {
            id: glow

            anchors.fill: parent
            anchors.margins: 3
            radius: 3
            color: "#000000"
            opacity: 0.35
            visible: key.keyPro.keyType > 0
        }

        KeyLabel {
            id: litLabel
            objectName: "litLabel"

            visible: !key.isSpaceBar
            color: "#000000"
        }
    }

    KeyLabel {
        id: whiteLabel

        color: "#ffffff"
        opacity: 0.5
    }

    Image {
        id: frame
        objectName: "frame"

        visible: key.framed && !key.isSpaceBar
        source: visible ? key.skinFolder + "model_kb/k" + key.keyPro.keyType + "-1.png" : ""
    }
}
