import QtQuick

// The function menu at the left: KEY, MACRO, COLOR. Choosing the chosen entry again deselects it.
Column {
    id: menu

    property int currentIndex: -1
    property var texts: ["KEY", "MACRO", "COLOR"]
    // Taken from the root when the skin changes (setSkin).
    property string skinFolder: skinPath
    readonly property var icons: ["list_fn/fnKeydefine", "list_fn/fnMacro", "list_fn/fnColor"]

    signal chosen(int index)

    function click(index) {
        currentIndex = (index === currentIndex) ? -1 : index
        chosen(currentIndex)
    }

    function setSkin() {
        skinFolder = skinPath
    }

    function translateStrings() {
        texts = [stringAt(74, "KEY"), stringAt(75, "MACRO"), stringAt(76, "COLOR")]
    }

    x: 16
    anchors.verticalCenter: parent.verticalCenter
    spacing: 20
    opacity: enabled ? 1.0 : 0.2

    Repeater {
        model: 3

        delegate: Item {
            id: entry

            required property int index
            readonly property bool lit: mouseArea.containsMouse || index === menu.currentIndex

            objectName: "functionEntry" + index
            width: 97
            height: 29

            Image {
                anchors.fill: parent
                source: menu.skinFolder + (mouseArea.containsMouse ? "list_fn/listFnBtn_1.png" : "list_fn/listFnBtn_0.png")
            }

            Image {
                id: icon

                x: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 17
                height: 17
                source: menu.skinFolder + menu.icons[entry.index] + (entry.lit ? "_1.png" : "_0.png")
            }

            Text {
                anchors.left: icon.right
                anchors.right: parent.right
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                text: menu.texts[entry.index]
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: entry.lit ? globalSetting_color_enable : globalSetting_color_disable
            }

            MouseArea {
                id: mouseArea

                anchors.fill: parent
                hoverEnabled: true
                onClicked: menu.click(entry.index)
            }
        }
    }
}
