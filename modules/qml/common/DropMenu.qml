import QtQuick

// A drop-down list: shows the chosen entry, opens its entries below itself.
Item {
    id: menu

    property var model: []
    property int currentIndex: -1
    property bool opened: false
    property int rowHeight: 20
    readonly property string currentText: (currentIndex >= 0 && currentIndex < model.length)
                                          ? String(model[currentIndex]) : ""

    signal activated(int index)

    function close() {
        opened = false
    }

    function toggle() {
        opened = !opened && model.length > 0
    }

    function select(index) {
        opened = false
        if (index < 0 || index >= model.length)
            return
        currentIndex = index
        activated(index)
    }

    implicitWidth: 160
    implicitHeight: 22
    width: implicitWidth
    height: implicitHeight
    z: opened ? 50 : 0
    opacity: enabled ? 1.0 : 0.5

    Rectangle {
        id: field

        anchors.fill: parent
        radius: 3
        color: "#b0101214"
        border.color: (fieldMouse.containsMouse || menu.opened)
                      ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.7) : "#5a5e66"

        Text {
            id: fieldText

            anchors.left: parent.left
            anchors.right: arrow.left
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            elide: Text.ElideRight
            text: menu.currentText
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            font.bold: true
            color: (fieldMouse.containsMouse || menu.opened) ? globalSetting_color_enable : globalSetting_color
        }

        Text {
            id: arrow

            anchors.right: parent.right
            anchors.rightMargin: 7
            anchors.verticalCenter: parent.verticalCenter
            text: menu.opened ? "▲" : "▼"
            font.pixelSize: 8
            color: globalSetting_color_disable
        }

        MouseArea {
            id: fieldMouse

            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                ui_View.playMedia_Index(4)
                menu.toggle()
            }
        }
    }

    Rectangle {
        id: list

        y: menu.height + 2
        width: menu.width
        height: column.height + 2
        visible: menu.opened
        color: "#1e1e1e"
        border.color: "#6e6e6e"

        Column {
            id: column

            x: 1
            y: 1
            width: parent.width - 2

            Repeater {
                model: menu.model

                delegate: Rectangle {
                    id: entry

                    required property int index
                    required property var modelData

                    objectName: "entry" + index
                    width: column.width
                    height: menu.rowHeight
                    color: entryMouse.containsMouse ? "#3a3d42" : "transparent"

                    Text {
                        anchors.fill: parent
                        anchors.leftMargin: 8
                        anchors.rightMargin: 4
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: String(entry.modelData)
                        font.family: globalSetting_fontFamily
                        font.pixelSize: globalSetting_size
                        font.bold: entry.index === menu.currentIndex
                        color: (entryMouse.containsMouse || entry.index === menu.currentIndex)
                               ? globalSetting_color_enable : globalSetting_color_disable
                    }

                    MouseArea {
                        id: entryMouse

                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            ui_View.playMedia_Index(4)
                            menu.select(entry.index)
                        }
                    }
                }
            }
        }
    }
}
