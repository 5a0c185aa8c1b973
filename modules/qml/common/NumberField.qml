import QtQuick

// A whole-number field of at most three digits, 0..255, with a caption in front.
Item {
    id: field

    property int value: 0
    property alias caption: captionText.text

    signal edited(int value)

    // Digits as typed, bounded: "300" and "999" give 255.
    function bounded(text) {
        return Math.min(parseInt(text, 10), 255)
    }

    implicitWidth: 58
    implicitHeight: 20
    width: implicitWidth
    height: implicitHeight

    Text {
        id: captionText

        anchors.verticalCenter: parent.verticalCenter
        width: 14
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: globalSetting_color_disable
    }

    Rectangle {
        id: box

        anchors.left: captionText.right
        anchors.right: parent.right
        height: parent.height
        radius: 2
        color: "#d0101214"
        border.color: input.activeFocus ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.8)
                                        : "#5a5e66"

        TextInput {
            id: input

            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 4
            verticalAlignment: TextInput.AlignVCenter
            horizontalAlignment: TextInput.AlignRight
            maximumLength: 3
            selectByMouse: true
            text: field.value
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color_enable
            selectionColor: "#5a5e66"
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
            onTextEdited: {
                if (text === "")
                    return
                var typed = field.bounded(text)
                if (String(typed) !== text)
                    text = typed
                field.value = typed
                field.edited(typed)
            }
            onActiveFocusChanged: {
                if (!activeFocus)
                    text = Qt.binding(() => String(field.value))
            }
        }
    }
}
