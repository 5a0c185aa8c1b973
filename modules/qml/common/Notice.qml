import QtQuick
import "NoticeQueue.js" as NoticeQueue

// A short note over the foot of the scene that fades away by itself and never takes a
// click. Notes asked for while one is shown wait their turn, each shown once.
Item {
    id: notice

    property int showMs: 4000
    property int maxWaiting: 3
    property var waiting: []
    readonly property string text: label.text

    function show(message) {
        var text = String(message)
        if (text === label.text && hold.running) {
            hold.restart()
            return
        }
        waiting = NoticeQueue.enqueue(waiting, hold.running ? label.text : "", text, maxWaiting)
        if (!visible)
            showNext()
    }

    function showNext() {
        if (waiting.length === 0) {
            visible = false
            label.text = ""
            return
        }
        label.text = waiting[0]
        waiting = waiting.slice(1)
        visible = true
        fadeOut.stop()
        fadeIn.restart()
        hold.restart()
    }

    anchors.horizontalCenter: parent.horizontalCenter
    anchors.bottom: parent.bottom
    anchors.bottomMargin: 64
    width: Math.min(label.implicitWidth, 600) + 48
    height: label.height + 24
    visible: false
    opacity: 0
    z: 100

    Rectangle {
        anchors.fill: parent
        anchors.margins: 2
        radius: 4
        color: "#e0101214"
    }

    BorderImage {
        anchors.fill: parent
        source: skinPath + "common/btnFrame.png"
        border { left: 8; top: 8; right: 8; bottom: 8 }
    }

    Text {
        id: label

        objectName: "noticeText"
        anchors.centerIn: parent
        width: Math.min(implicitWidth, 600)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size + 1
        font.bold: true
        color: globalSetting_color
    }

    Timer {
        id: hold

        interval: notice.showMs
        onTriggered: fadeOut.restart()
    }

    NumberAnimation {
        id: fadeIn

        target: notice
        property: "opacity"
        to: 1
        duration: animation_speed / 4
    }

    NumberAnimation {
        id: fadeOut

        target: notice
        property: "opacity"
        to: 0
        duration: animation_speed / 2
        onFinished: notice.showNext()
    }
}
