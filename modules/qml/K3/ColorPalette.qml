import QtQuick

// The seven palette colours and LOOP: the colour index the effect uses.
Item {
    id: paletteRow

    // Seven colours × (red, green, blue).
    property var colours: []
    property int currentIndex: 0
    property string loopText: "LOOP"
    readonly property int swatchSize: 22
    readonly property int loopIndex: 7

    signal chosen(int index)

    function colourAt(i) {
        return Qt.rgba((Number(colours[3 * i]) || 0) / 255, (Number(colours[3 * i + 1]) || 0) / 255,
                       (Number(colours[3 * i + 2]) || 0) / 255, 1)
    }

    implicitWidth: row.implicitWidth
    implicitHeight: swatchSize + 4
    opacity: enabled ? 1.0 : 0.35

    Row {
        id: row

        anchors.verticalCenter: parent.verticalCenter
        spacing: 5

        Repeater {
            model: 7

            delegate: Rectangle {
                id: swatch

                required property int index
                readonly property bool selected: index === paletteRow.currentIndex

                width: paletteRow.swatchSize
                height: paletteRow.swatchSize
                radius: 3
                color: paletteRow.colourAt(index)
                border.width: selected ? 2 : 1
                border.color: selected ? globalSetting_color_enable
                                       : (swatchMouse.containsMouse ? "#c0c4cc" : "#5a5e66")

                Rectangle {
                    anchors.fill: parent
                    anchors.margins: -4
                    radius: 5
                    color: "transparent"
                    border.color: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.6)
                    visible: swatch.selected
                }

                MouseArea {
                    id: swatchMouse

                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        ui_View.playMedia_Index(4)
                        paletteRow.chosen(swatch.index)
                    }
                }
            }
        }

        Rectangle {
            id: loop

            readonly property bool selected: paletteRow.currentIndex === paletteRow.loopIndex

            width: Math.max(loopLabel.implicitWidth + 14, 46)
            height: paletteRow.swatchSize
            radius: 3
            color: selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.28)
                            : (loopMouse.containsMouse ? "#26ffffff" : "#b0101214")
            border.color: selected ? globalSetting_color_enable : "#5a5e66"

            Text {
                id: loopLabel

                anchors.centerIn: parent
                text: paletteRow.loopText
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: (loop.selected || loopMouse.containsMouse) ? globalSetting_color_enable
                                                                  : globalSetting_color_disable
            }

            MouseArea {
                id: loopMouse

                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    ui_View.playMedia_Index(4)
                    paletteRow.chosen(paletteRow.loopIndex)
                }
            }
        }
    }
}
