import QtQuick

// The window's background picture with its frame.
Item {
    id: background

    width: 1000
    height: 600

    Image {
        anchors.fill: parent
        source: skinPath + "background.png"
    }

    Image {
        anchors.fill: parent
        source: skinPath + "frame/frameBackground.png"
    }
}
