import QtQuick

// How much of the keyboard's macro memory the steps take; red once they no longer fit.
Item {
    id: bar

    property int used: 0
    property int capacity: 128
    readonly property bool overflow: used > capacity

    height: 6

    Rectangle {
        id: groove

        anchors.left: parent.left
        anchors.right: percent.left
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        height: 4
        radius: 2
        color: "#40ffffff"

        Rectangle {
            width: parent.width * Math.min(1, bar.used / bar.capacity)
            height: parent.height
            radius: 2
            color: bar.overflow ? "#ff4a4a" : skinAccent
        }
    }

    Text {
        id: percent

        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: Math.round(100 * bar.used / bar.capacity) + "%"
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size - 2
        color: bar.overflow ? "#ff6a6a" : globalSetting_color_disable
    }
}
