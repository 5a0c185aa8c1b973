import QtQuick

// A small context menu that fades in and out; a chosen row closes it first, then reports.
Rectangle {
    id: menu

    property var model: []
    // At least 80 wide; wider when a text needs it, so none touches the border.
    property int rowWidth: 80
    property int rowHeight: 20
    readonly property bool opened: visible && !fadeOut.running

    signal triggered(int index)

    function fitRows() {
        var widest = 0
        for (var i = 0; i < model.length; ++i) {
            metrics.text = String(model[i])
            widest = Math.max(widest, metrics.advanceWidth)
        }
        rowWidth = Math.max(80, Math.ceil(widest) + 16)
    }

    function open() {
        fitRows()
        fadeOut.stop()
        visible = true
        fadeIn.restart()
    }

    function close() {
        if (!visible || fadeOut.running)
            return
        fadeIn.stop()
        fadeOut.restart()
    }

    function choose(index) {
        close()
        triggered(index)
    }

    width: rowWidth + 2
    height: model.length * rowHeight + 2
    visible: false
    opacity: 0
    z: 60
    color: "#1e1e1e"
    border.color: "#6e6e6e"
    border.width: 1

    TextMetrics {
        id: metrics

        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
    }

    NumberAnimation {
        id: fadeIn

        target: menu
        property: "opacity"
        from: 0
        to: 1
        duration: 1.5 * animation_speed
        easing.type: Easing.OutExpo
    }

    NumberAnimation {
        id: fadeOut

        target: menu
        property: "opacity"
        to: 0
        duration: animation_speed
        onStopped: menu.visible = false
    }

    Column {
        x: 1
        y: 1

        Repeater {
            model: menu.model

            delegate: Rectangle {
                id: row

                required property int index
                required property var modelData

                objectName: "menuRow" + index
                width: menu.rowWidth
                height: menu.rowHeight
                color: rowMouse.containsMouse ? "#3a3d42" : "transparent"

                Text {
                    anchors.centerIn: parent
                    text: String(row.modelData)
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    font.bold: true
                    color: rowMouse.containsMouse ? globalSetting_color_enable : globalSetting_color_disable
                }

                MouseArea {
                    id: rowMouse

                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: menu.opened
                    onClicked: {
                        ui_View.playMedia_Index(4)
                        menu.choose(row.index)
                    }
                }
            }
        }
    }
}
