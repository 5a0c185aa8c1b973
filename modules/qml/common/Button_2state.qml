import QtQuick

// A picture button: `picture` is the path without the "_0.png"/"_1.png" ending.
Item {
    id: button

    property string picture: ""
    readonly property bool hovered: mouseArea.containsMouse
    readonly property bool pressed: mouseArea.pressed

    signal clicked()

    implicitWidth: image.implicitWidth
    implicitHeight: image.implicitHeight
    width: implicitWidth
    height: implicitHeight
    opacity: (pressed || !enabled) ? 0.8 : 1.0

    Image {
        id: image

        anchors.fill: parent
        source: button.picture === "" ? ""
                : button.picture + ((button.hovered && button.enabled) ? "_1.png" : "_0.png")
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(4)
            button.clicked()
        }
    }
}
