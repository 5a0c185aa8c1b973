import QtQuick
import "../common"

// The profile menu at the right: P01..P04. Left click switches, right click opens LOAD/SAVE/RESET/CANCEL.
Item {
    id: menu

    property int currentIndex: 0
    // The entry the context menu was opened for.
    property int menuEntry: -1
    property var actionTexts: ["LOAD", "SAVE", "RESET", "CANCEL"]

    // The current profile changed, or its file was reloaded: the pages are to reload.
    signal profileChanged(int index)

    function select(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        profileChanged(index)
    }

    function openMenu(index) {
        menuEntry = index
        contextMenu.open()
    }

    function runAction(action, entry) {
        switch (action) {
        case 0:
            askThenReplace(entry, "profileLoad", "Replace profile %1 with a profile file?", "loadProfile")
            break
        case 1:
            ui_View.saveProfile(entry)
            break
        case 2:
            askThenReplace(entry, "profileReset", "Reset profile %1 to its defaults?", "resetProfile")
            break
        }
    }

    // Load and reset overwrite a whole profile: only after the user agrees.
    function askThenReplace(entry, question, fallback, slot) {
        mainScene.confirm(mainScene.groupText("confirm", question, fallback).replace("%1", label(entry)), function () {
            ui_View[slot](entry)
            if (entry === currentIndex)
                profileChanged(entry)
        })
    }

    function controlMenu() {
        contextMenu.close()
    }

    function translateStrings() {
        actionTexts = [stringAt(84, "LOAD"), stringAt(85, "SAVE"), stringAt(77, "RESET"), stringAt(78, "CANCEL")]
    }

    function label(index) {
        return "P" + String(index + 1).padStart(2, "0")
    }

    anchors.right: parent.right
    anchors.rightMargin: 15
    anchors.verticalCenter: parent.verticalCenter
    width: 50
    height: 4 * 30
    opacity: enabled ? 1.0 : 0.2

    Image {
        anchors.centerIn: parent
        source: skinPath + "list_pf/listPfContainer.png"
    }

    Column {
        Repeater {
            model: 4

            delegate: Item {
                id: entry

                required property int index
                readonly property bool lit: index === menu.currentIndex || mouseArea.containsMouse

                objectName: "profileEntry" + index
                width: 50
                height: 30

                Image {
                    anchors.fill: parent
                    source: skinPath + (entry.lit ? "list_pf/profileFW_1.png" : "list_pf/profileFW_0.png")
                }

                Text {
                    anchors.centerIn: parent
                    text: menu.label(entry.index)
                    font.family: "Arial"
                    font.bold: true
                    font.pixelSize: globalSetting_size + 1
                    // White on the lit picture, whatever the skin and text colour.
                    color: entry.lit ? "#ffffff" : globalSetting_color_disable
                }

                MouseArea {
                    id: mouseArea

                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: mouse => {
                        mainScene.controlMenu()
                        if (mouse.button === Qt.RightButton)
                            menu.openMenu(entry.index)
                        else
                            menu.select(entry.index)
                    }
                }
            }
        }
    }

    ContextMenu {
        id: contextMenu

        objectName: "profileContextMenu"
        x: -width
        y: menu.menuEntry * 30
        model: menu.actionTexts
        onTriggered: index => menu.runAction(index, menu.menuEntry)
    }
}
