import QtQuick

// A row of mutually exclusive choices (a menu whose entries are all on show).
Item {
    id: group

    property var model: []
    property int currentIndex: -1

    signal activated(int index)

    function select(index) {
        if (index < 0 || index >= model.length)
            return
        currentIndex = index
        activated(index)
    }

    implicitWidth: 160
    implicitHeight: 22
    width: implicitWidth
    height: implicitHeight
    opacity: enabled ? 1.0 : 0.5

    Rectangle {
        id: frame

        anchors.fill: parent
        radius: 3
        color: "#b0101214"
        border.color: "#5a5e66"
    }

    Row {
        id: row

        anchors.fill: parent
        anchors.margins: 2
        spacing: 2

        Repeater {
            id: repeater

            model: group.model

            delegate: Rectangle {
                id: cell

                required property int index
                required property var modelData
                readonly property bool selected: index === group.currentIndex

                objectName: "choice" + index
                width: (row.width - row.spacing * (repeater.count - 1)) / Math.max(1, repeater.count)
                height: row.height
                radius: 2
                color: selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.28)
                                : (cellMouse.containsMouse ? "#26ffffff" : "transparent")
                border.color: selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.7)
                                       : "transparent"

                Text {
                    id: cellText

                    anchors.fill: parent
                    anchors.leftMargin: 1
                    anchors.rightMargin: 1
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    // Long translations shrink a little rather than lose letters.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 8
                    text: cell.modelData
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    font.bold: cell.selected
                    color: (cell.selected || cellMouse.containsMouse) ? globalSetting_color_enable
                                                                      : globalSetting_color_disable
                }

                MouseArea {
                    id: cellMouse

                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        ui_View.playMedia_Index(4)
                        group.select(cell.index)
                    }
                }
            }
        }
    }
}
