import QtQuick
import "MacroSteps.js" as Steps

// The pause field: a number of milliseconds, kept within the limits when the entry ends.
Rectangle {
    id: field

    property string prefix: ""
    property int delay: Steps.DEFAULT_PAUSE
    readonly property bool editing: input.activeFocus
    readonly property alias shownText: input.text

    // Ends a pending entry: the typed number, within 10..65535, becomes the delay.
    function finishEntry() {
        delay = Steps.pauseDelay(input.text)
        input.text = String(delay)
        input.focus = false
    }

    // Puts the caret in the field with the number selected, ready to be typed over.
    function startEntry() {
        input.forceActiveFocus()
        input.selectAll()
    }

    height: 30
    radius: 3
    color: "#b0101214"
    border.color: input.activeFocus || mouseArea.containsMouse
                  ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.9) : "#5a5e66"

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.IBeamCursor
        onClicked: field.startEntry()
    }

    Row {
        id: row

        anchors.centerIn: parent

        Text {
            id: prefixText

            width: Math.min(implicitWidth, field.width - 16 - valueBox.width - suffixText.width)
            height: field.height
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: field.prefix + "【 "
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: input.activeFocus || mouseArea.containsMouse ? globalSetting_color_enable : globalSetting_color_disable
        }

        Item {
            id: valueBox

            width: Math.max(input.contentWidth, 12) + 4
            height: field.height

            Rectangle {
                id: underline

                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                width: parent.width
                height: 1
                color: input.activeFocus ? skinAccent : "#5a5e66"
            }

            TextInput {
                id: input

                anchors.fill: parent
                horizontalAlignment: TextInput.AlignHCenter
                verticalAlignment: TextInput.AlignVCenter
                maximumLength: 5
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
                inputMethodHints: Qt.ImhDigitsOnly
                selectByMouse: true
                text: String(Steps.DEFAULT_PAUSE)
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: globalSetting_color_enable
                selectionColor: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.6)
                selectedTextColor: "#ffffff"
                onEditingFinished: field.finishEntry()
            }
        }

        Text {
            id: suffixText

            height: field.height
            verticalAlignment: Text.AlignVCenter
            text: " 】ms"
            font: prefixText.font
            color: prefixText.color
        }
    }
}
