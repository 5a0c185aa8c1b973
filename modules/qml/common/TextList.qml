import QtQuick

// A scrolling list of rows {textX, textR}: the value at the left, a tag at the right.
Item {
    id: list

    property alias model: view.model
    property alias currentIndex: view.currentIndex
    property alias count: view.count
    property int rowHeight: 20

    signal rowClicked(int index)
    signal rowRightClicked(int index, real rowY)

    function positionAt(index) {
        view.positionViewAtIndex(index, ListView.Contain)
    }

    implicitWidth: 200
    implicitHeight: 200
    opacity: enabled ? 1.0 : 0.5

    ListView {
        id: view

        anchors.fill: parent
        anchors.rightMargin: scrollBar.visible ? 6 : 0
        clip: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        highlightMoveDuration: 0

        delegate: Rectangle {
            id: row

            required property int index
            required property string textX
            required property string textR
            readonly property bool current: index === view.currentIndex

            width: view.width
            height: list.rowHeight
            color: current ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.22)
                           : (rowMouse.containsMouse ? "#1fffffff" : "transparent")

            Text {
                anchors.left: parent.left
                anchors.right: tag.left
                anchors.leftMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
                text: row.textX
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: row.current
                color: (row.current || rowMouse.containsMouse) ? globalSetting_color_enable
                                                               : globalSetting_color_disable
            }

            Text {
                id: tag

                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: row.textR.trim()
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                color: globalSetting_color_disable
            }

            MouseArea {
                id: rowMouse

                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: mouse => {
                    if (mouse.button === Qt.RightButton) {
                        list.rowRightClicked(row.index, row.y - view.contentY)
                    } else {
                        view.currentIndex = row.index
                        list.rowClicked(row.index)
                    }
                }
            }
        }
    }

    Rectangle {
        id: scrollBar

        anchors.right: parent.right
        y: view.visibleArea.yPosition * list.height
        width: 4
        height: Math.max(12, view.visibleArea.heightRatio * list.height)
        radius: 2
        visible: view.visibleArea.heightRatio < 1
        color: "#80a0a4ac"
    }
}
