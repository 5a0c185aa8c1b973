import QtQuick

// The interface lock: a blinking "LOADING ......" that also swallows every click while shown.
Item {
    id: indicator

    property bool busy: false

    anchors.fill: parent
    visible: busy
    z: 99

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel => wheel.accepted = true
    }

    Rectangle {
        anchors.centerIn: parent
        width: loadingText.implicitWidth + 64
        height: loadingText.implicitHeight + 28
        radius: 4
        color: "#e0101214"
        border.color: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.5)
    }

    Text {
        id: loadingText

        anchors.centerIn: parent
        text: qsTr("LOADING ......")
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        font.letterSpacing: 2
        color: globalSetting_color

        SequentialAnimation on opacity {
            running: indicator.busy
            loops: Animation.Infinite

            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
