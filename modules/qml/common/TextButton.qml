import QtQuick

// A button made of one picture and a text; the text lights up while hovered.
Item {
    id: button

    property url source
    // Shown instead of `source` while hovered, when given.
    property url hoverSource
    property alias text: label.text
    readonly property bool hovered: mouseArea.containsMouse
    readonly property bool pressed: mouseArea.pressed

    signal clicked()

    implicitWidth: Math.max(background.implicitWidth, label.implicitWidth + 24)
    implicitHeight: Math.max(background.implicitHeight, 24)
    width: implicitWidth
    height: implicitHeight
    opacity: (pressed || !enabled) ? 0.8 : 1.0

    Image {
        id: background

        anchors.fill: parent
        source: (button.hovered && button.enabled && button.hoverSource.toString() !== "") ? button.hoverSource
                                                                                         : button.source
    }

    Text {
        id: label

        anchors.centerIn: parent
        anchors.verticalCenterOffset: button.pressed ? 1 : 0
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: (button.hovered && button.enabled) ? globalSetting_color_enable : globalSetting_color_disable
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
