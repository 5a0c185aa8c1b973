import QtQuick
import "KeydefineLogic.js" as Logic

// The key field: takes a key dragged from the keyboard, shows which one it holds, and is
// cleared by a click. While a key hovers over it, it shows whether it would take that key.
Rectangle {
    id: field

    // The held key's label; undefined while the field is empty.
    property var label
    // Whether a dragged key object may be dropped here.
    property var accepts: function (key) { return true }
    readonly property string shownText: text.text
    readonly property bool hovered: mouse.containsMouse
    readonly property bool dragOver: drop.containsDrag
    readonly property bool dragAccepted: dragOver && drop.candidate !== null && accepts(drop.candidate)
    readonly property color accent: skinAccent
    readonly property color refusal: "#e0524d"

    signal cleared()
    signal keyDropped(var key)

    radius: 3
    color: {
        if (dragAccepted)
            return Qt.rgba(accent.r, accent.g, accent.b, 0.22)
        if (dragOver)
            return Qt.rgba(0.88, 0.32, 0.30, 0.16)
        return hovered ? "#c0181a1e" : "#b0101214"
    }
    border.width: dragOver ? 2 : 1
    border.color: {
        if (dragAccepted)
            return accent
        if (dragOver)
            return refusal
        return hovered ? Qt.rgba(accent.r, accent.g, accent.b, 0.7) : "#5a5e66"
    }

    Behavior on color { ColorAnimation { duration: 120 } }

    Text {
        id: text

        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        // A key over the field speaks for itself; the frame tells whether it is taken.
        text: field.dragOver ? "" : Logic.keyFieldText(field.label, lang, field.hovered)
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size + (field.hovered && !field.dragOver ? 2 : 0)
        font.bold: true
        color: field.label === undefined && !field.hovered ? globalSetting_color_disable : globalSetting_color_enable
    }

    MouseArea {
        id: mouse

        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            ui_View.playMedia_Index(4)
            field.cleared()
        }
    }

    DropArea {
        id: drop

        property var candidate: null

        anchors.fill: parent
        keys: ["k3key"]
        onEntered: drag => {
            candidate = drag.source.key
            drag.source.overTarget = true
        }
        onExited: {
            if (drag.source)
                drag.source.overTarget = false
            candidate = null
        }
        onDropped: drop => {
            drop.source.overTarget = false
            candidate = null
            if (field.accepts(drop.source.key)) {
                drop.accept()
                field.keyDropped(drop.source.key)
            }
        }
    }
}
