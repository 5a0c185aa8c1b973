import QtQuick
import "../common"
import "AppProfiles.js" as Logic

// The rules that switch the keyboard's profile to follow the application in front: an opener in
// the page's title line and, over the page, the editor. Every change is stored at once.
Item {
    id: editor

    // The language the page shows, for this editor's texts.
    property string languageCode: ""
    // The [appprofiles] texts of that language, English where it has none.
    property var texts: ({})
    property var rules: ({ enabled: false, defaultProfile: -1, rules: [] })
    property bool automatic: true
    property bool opened: false

    function open() {
        rules = Logic.copy(ui_View.loadAppProfiles())
        automatic = ui_View.getAppProfilesAutomatic()
        windowsMenu.model = ui_View.getOpenApplications()
        opened = true
    }

    function close() {
        windowsMenu.close()
        defaultMenu.close()
        opened = false
    }

    function store(changed) {
        ui_View.saveAppProfiles(changed)
        rules = Logic.copy(ui_View.loadAppProfiles())
    }

    function addRule(application) {
        store(Logic.withRule(rules, application, mainScene.profile))
        nameField.text = ""
    }

    function text(key) {
        return texts[key] || ""
    }

    function translate() {
        texts = ui_View.getLanguageGroup(languageCode, "appprofiles")
    }

    anchors.fill: parent
    z: 10
    onLanguageCodeChanged: translate()

    TextButton {
        id: opener

        objectName: "appProfilesOpener"
        anchors.right: parent.right
        anchors.rightMargin: 16
        y: 6
        height: 22
        visible: !editor.opened
        text: editor.text("open")
        onClicked: editor.open()
    }

    Rectangle {
        id: panel

        objectName: "appProfilesPanel"
        anchors.fill: parent
        visible: editor.opened
        color: "#141619"

        Image {
            anchors.fill: parent
            source: skinPath + "list_center/globalsettingBackground.png"
        }

        // Clicks stay on the editor, not on the page beneath.
        MouseArea {
            anchors.fill: parent
            onPressed: {
                windowsMenu.close()
                defaultMenu.close()
            }
        }

        Text {
            x: 20
            y: 8
            width: parent.width - 40 - back.width
            height: 20
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: editor.text("title")
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size + 1
            font.bold: true
            color: globalSetting_color_enable
        }

        TextButton {
            id: back

            objectName: "appProfilesBack"
            anchors.right: parent.right
            anchors.rightMargin: 16
            y: 6
            height: 22
            text: editor.text("back")
            onClicked: editor.close()
        }

        Column {
            x: 20
            y: 40
            width: parent.width - 40
            spacing: 6

            SettingRow {
                text: editor.text("switching")

                ButtonGroup {
                    objectName: "appProfilesSwitch"
                    width: parent.width
                    currentIndex: editor.rules.enabled ? 1 : 0
                    model: [mainScene.stringAt(32, "OFF"), mainScene.stringAt(31, "ON")]
                    onActivated: index => {
                        var changed = Logic.copy(editor.rules)
                        changed.enabled = index === 1
                        editor.store(changed)
                    }
                }
            }

            SettingRow {
                z: 3
                text: editor.text("others")

                DropMenu {
                    id: defaultMenu

                    objectName: "appProfilesDefault"
                    width: parent.width
                    currentIndex: editor.rules.defaultProfile + 1
                    model: Logic.defaultChoices(editor.text("leave"))
                    onActivated: index => {
                        var changed = Logic.copy(editor.rules)
                        changed.defaultProfile = index - 1
                        editor.store(changed)
                    }
                }
            }

            SettingRow {
                z: 2
                text: editor.text("windows")

                DropMenu {
                    id: windowsMenu

                    objectName: "appProfilesWindows"
                    width: parent.width
                    onActivated: index => {
                        nameField.text = windowsMenu.model[index]
                        windowsMenu.currentIndex = -1
                    }
                }
            }

            Item {
                width: parent.width
                height: 22

                Rectangle {
                    width: parent.width - addButton.width - 6
                    height: parent.height
                    radius: 3
                    color: "#b0101214"
                    border.color: nameField.activeFocus ? "#a0ffffff" : "#5a5e66"

                    TextInput {
                        id: nameField

                        objectName: "appProfilesName"
                        anchors.fill: parent
                        anchors.leftMargin: 8
                        anchors.rightMargin: 8
                        verticalAlignment: TextInput.AlignVCenter
                        clip: true
                        maximumLength: 128
                        font.family: globalSetting_fontFamily
                        font.pixelSize: globalSetting_size
                        color: globalSetting_color_enable
                        onAccepted: editor.addRule(text)

                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            visible: nameField.text === ""
                            text: editor.text("application")
                            font: nameField.font
                            color: globalSetting_color_disable
                            opacity: 0.6
                        }
                    }
                }

                TextButton {
                    id: addButton

                    objectName: "appProfilesAdd"
                    anchors.right: parent.right
                    width: 64
                    height: parent.height
                    enabled: nameField.text.trim() !== ""
                    text: editor.text("add")
                    onClicked: editor.addRule(nameField.text)
                }
            }

            Text {
                objectName: "appProfilesManual"
                width: parent.width
                visible: !editor.automatic
                wrapMode: Text.WordWrap
                text: editor.text("manual")
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size - 1
                color: globalSetting_color_disable
            }

            ListView {
                objectName: "appProfilesList"
                width: parent.width
                height: 400 - y - 40
                clip: true
                spacing: 4
                model: editor.rules.rules

                delegate: Item {
                    id: ruleRow

                    required property int index
                    required property var modelData

                    width: ListView.view.width
                    height: 22

                    Text {
                        width: 104
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: ruleRow.modelData.application
                        font.family: globalSetting_fontFamily
                        font.pixelSize: globalSetting_size
                        font.bold: true
                        color: globalSetting_color
                    }

                    ButtonGroup {
                        x: 110
                        width: parent.width - x - 28
                        currentIndex: ruleRow.modelData.profile
                        model: [Logic.profileLabel(0), Logic.profileLabel(1), Logic.profileLabel(2), Logic.profileLabel(3)]
                        onActivated: index => editor.store(Logic.withRule(editor.rules, ruleRow.modelData.application, index))
                    }

                    TextButton {
                        objectName: "appProfilesRemove" + ruleRow.index
                        anchors.right: parent.right
                        width: 22
                        height: parent.height
                        text: "\u2715"
                        onClicked: editor.store(Logic.withoutRule(editor.rules, ruleRow.index))
                    }
                }
            }
        }
    }
}
