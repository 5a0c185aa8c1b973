import QtQuick

// A thin scroll bar beside a list: shows the visible part and can be dragged.
Item {
    id: bar

    property Flickable flickable: null
    readonly property real visibleRatio: flickable && flickable.contentHeight > 0
                                         ? Math.min(1, flickable.height / flickable.contentHeight) : 1
    readonly property real travel: Math.max(0, flickable ? flickable.contentHeight - flickable.height : 0)

    width: 6
    visible: visibleRatio < 1

    Rectangle {
        id: groove

        anchors.fill: parent
        radius: width / 2
        color: "#40ffffff"
    }

    Rectangle {
        id: handle

        width: parent.width
        height: Math.max(16, bar.height * bar.visibleRatio)
        y: bar.travel > 0 && bar.flickable ? (bar.height - height) * ((bar.flickable.contentY - bar.flickable.originY) / bar.travel) : 0
        radius: width / 2
        color: dragArea.pressed || dragArea.containsMouse
               ? skinAccent : Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.6)
    }

    MouseArea {
        id: dragArea

        function scrollTo(y) {
            var span = bar.height - handle.height
            if (span > 0)
                bar.flickable.contentY = bar.flickable.originY + bar.travel * Math.min(1, Math.max(0, (y - handle.height / 2) / span))
        }

        anchors.fill: parent
        anchors.margins: -3
        hoverEnabled: true
        onPressed: mouse => scrollTo(mouse.y)
        onPositionChanged: mouse => {
            if (pressed)
                scrollTo(mouse.y)
        }
    }
}
