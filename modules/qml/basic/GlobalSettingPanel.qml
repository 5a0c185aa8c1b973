import QtQuick

// The panel that holds the global settings page and slides it in from the left and out again.
Item {
    id: panel

    readonly property alias page: page_Globalsetting
    readonly property bool sliding: slideIn.running || slideOut.running

    function open() {
        if (slideIn.running) {
            slideIn.complete()
            return
        }
        slideOut.complete()
        visible = true
        slideIn.start()
    }

    function close() {
        if (slideOut.running) {
            slideOut.complete()
            return
        }
        slideIn.complete()
        if (visible)
            slideOut.start()
    }

    x: 675
    y: 56
    width: 319
    height: 411
    clip: true
    visible: false

    Page_Globalsetting {
        id: page_Globalsetting

        x: -panel.width
    }

    NumberAnimation {
        id: slideIn

        target: page_Globalsetting
        property: "x"
        from: -panel.width
        to: 0
        duration: 0.8 * animation_speed
        easing.type: Easing.OutCubic
    }

    NumberAnimation {
        id: slideOut

        target: page_Globalsetting
        property: "x"
        from: 0
        to: -panel.width
        duration: 0.8 * animation_speed
        easing.type: Easing.OutCubic
        onFinished: panel.visible = false
    }
}
