import QtQuick

// Shows which key the menus beside it are editing, as a small key cap.
Rectangle {
    id: badge

    property var key: null
    readonly property color accent: skinAccent

    width: Math.max(height * 1.6, label.implicitWidth + 20)
    radius: 4
    color: Qt.rgba(accent.r, accent.g, accent.b, 0.16)
    border.color: accent
    border.width: 1
    visible: key !== null && key.matrix >= 0

    Text {
        id: label

        anchors.centerIn: parent
        text: badge.key ? badge.key.name : ""
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: globalSetting_color_enable
    }
}
