import QtQuick
import "../common"

// The palette editor: a colour strip to pick from, the colour's red, green and blue as
// number fields, and the colour itself.
Item {
    id: editor

    // [red, green, blue], 0..255.
    property var colour: [0, 0, 0]

    signal picked(int red, int green, int blue)
    signal edited(int component, int value)

    function showColour() {
        redField.value = colour[0]
        greenField.value = colour[1]
        blueField.value = colour[2]
    }

    implicitWidth: strip.width + fields.width + swatch.width + 20
    implicitHeight: fields.height
    opacity: enabled ? 1.0 : 0.35

    onColourChanged: showColour()
    Component.onCompleted: showColour()

    ColorStrip {
        id: strip

        height: fields.height
        onPicked: (red, green, blue) => editor.picked(red, green, blue)
    }

    Column {
        id: fields

        anchors.left: strip.right
        anchors.leftMargin: 10
        spacing: 8

        NumberField {
            id: redField

            caption: "R"
            onEdited: value => editor.edited(0, value)
        }

        NumberField {
            id: greenField

            caption: "G"
            onEdited: value => editor.edited(1, value)
        }

        NumberField {
            id: blueField

            caption: "B"
            onEdited: value => editor.edited(2, value)
        }
    }

    Rectangle {
        id: swatch

        anchors.left: fields.right
        anchors.leftMargin: 10
        width: 28
        height: fields.height
        radius: 3
        color: Qt.rgba(editor.colour[0] / 255, editor.colour[1] / 255, editor.colour[2] / 255, 1)
        border.color: "#5a5e66"
    }
}
