import QtQuick
import "../common"
import "KeydefineLogic.js" as Logic

// Key assignment: select a key on the keyboard, give it another key (drag a key onto the
// key field), a media function or a macro, and send the whole key matrix on Apply.
Item {
    id: page

    // Keyboards whose gaming mode is their own (K3) hide the gaming-mode box.
    property bool isGameMode: false
    property int kind: Logic.kindNone
    // Usage shown in the key field; -1 while the field is empty.
    property int fieldCode: -1
    property var kindNames: Logic.kindDefaultNames
    property var mediaNames: Logic.mediaDefaultNames
    property var macroNames: []
    // Macro menu entry that the selected key is bound to; -1 for none.
    property int macroIndex: -1
    readonly property var fieldLabel: fieldCode < 0 ? undefined
                                      : Logic.keyLabel(keyCodeString.keycodeTostr(fieldCode), layout, enTosp)

    signal profileKeyClicked(int index)

    function initUI(isFirst, table) {
        if (isFirst)
            keyboard.build(table, layout, lang)
        refreshMacroFiles()
        var keys = keyboard.getKey
        for (var i = 0; i < keys.length; ++i)
            keys[i].keyCode = Logic.codeFromPair(ui_View.getKeydefine(i), keys[i].keyCode_Default)
        showSelectedKey()
    }

    function changeLanguage(newLang) {
        var table = ui_View.loadLangName(newLang)
        if (table && table.length > 0)
            keyboard.setLabels(table)
        keyboard.setFontSizes(newLang)
    }

    function translateStrings() {
        kindNames = Logic.kindStrings.map((index, kind) => stringAt(index, Logic.kindDefaultNames[kind]))
        mediaNames = Logic.mediaDefaultNames.map((name, p) => stringAt(Logic.mediaFirstString + p, name))
    }

    function controlMenu() {
        mediaMenu.close()
        macroMenu.close()
    }

    // Files may have been renamed on the macro page: the chosen entry follows its name.
    function refreshMacroFiles() {
        var chosen = macroIndex >= 0 ? macroNames[macroIndex] : undefined
        macroNames = Logic.macroNames(ui_View.getMacroIniNames())
        showMacro(chosen === undefined ? -1 : macroNames.indexOf(chosen))
    }

    function showMacro(position) {
        macroIndex = position
        macroMenu.currentIndex = position
    }

    function keyCodeToUI(code) {
        chooseKind(Logic.kindOf(code))
        switch (kind) {
        case Logic.kindKeyboard:
            fieldCode = code & 0xFF
            break
        case Logic.kindMedia:
            mediaMenu.currentIndex = Logic.mediaPosition(code)
            break
        case Logic.kindMacro:
            refreshMacroFiles()
            var configs = macroNames.map(function (name) { return ui_View.loadMacroIniConfig(name) })
            showMacro(Logic.macroPosition(configs, code & 0xFF))
            break
        }
    }

    function showSelectedKey() {
        var key = keyboard.selectedKey()
        keyCodeToUI(key ? key.keyCode : 0)
    }

    function selectKey(matrix) {
        var key = keyboard.keyAt(matrix)
        if (!key || !key.editable)
            return
        keyboard.curKeyMatrix = matrix
        keyCodeToUI(key.keyCode)
        controlMenu()
    }

    function setSelectedCode(code) {
        var key = keyboard.selectedKey()
        if (key)
            key.keyCode = code
    }

    // First menu: a new kind starts with nothing chosen in its second menu.
    function chooseKind(newKind) {
        kind = newKind
        kindMenu.currentIndex = newKind
        fieldCode = -1
        mediaMenu.currentIndex = -1
        showMacro(-1)
    }

    // Only plain keys can stand in for another key; media and macro keys are refused.
    function acceptsKey(key) {
        return key !== null && key !== undefined && key.keyCode_Default < 0x100
    }

    function assignKey(key) {
        if (!acceptsKey(key))
            return
        setSelectedCode(key.keyCode_Default)
        fieldCode = key.keyCode_Default
    }

    function clearKeyField() {
        fieldCode = -1
        setSelectedCode(0)
    }

    function chooseMedia(position) {
        mediaMenu.currentIndex = position
        setSelectedCode(Logic.mediaCodes[position])
    }

    // Binding a key to a macro also sends the macro to its device slot. A macro that is
    // bound to no slot cannot be played by the keyboard, so it is not bound to a key.
    function chooseMacro(position) {
        var name = macroNames[position]
        var config = ui_View.loadMacroIniConfig(name)
        if (!config || config.length < 2 || !Logic.isBoundSlot(config[0])) {
            showMacro(macroIndex)
            refusal.restart()
            return false
        }
        ui_View.setMacroIniConfig(name, config)
        ui_View.ui_10H_SetMacroKey(config[0], name)
        showMacro(position)
        setSelectedCode(Logic.macroKeyCode(config))
        return true
    }

    function resetKey() {
        var key = keyboard.selectedKey()
        if (key)
            key.keyCode = key.keyCode_Default
        showSelectedKey()
        controlMenu()
    }

    function resetAll() {
        keyboard.resetAll()
        showSelectedKey()
    }

    function apply() {
        setProtectUI(800)
        sendKeyMatrix()
        controlMenu()
    }

    // The main window locks the interface itself for its apply-all.
    function applyAll() {
        sendKeyMatrix()
    }

    // Without a keyboard model there is nothing to send: an empty matrix would clear every key.
    function sendKeyMatrix() {
        if (keyboard.getKey.length === 0)
            return
        ui_View.ui_0C0DH_SetKeyMatrix(Logic.matrixBytes(keyboard.keyCodes()))
    }

    width: 792
    height: 442

    Connections {
        target: mainScene

        function onBtnTotalResetClicked() {
            page.resetAll()
        }

        function onBtnTotalApplyClicked() {
            page.applyAll()
        }
    }

    Image {
        id: background

        anchors.fill: parent
        source: skinPath + "list_center/fnKeydefineBackground.png"
        // Hidden at start: decoded off the GUI thread while the window comes up.
        asynchronous: true
    }

    Item {
        id: keyboardArea

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: toolbar.bottom
        anchors.bottom: actions.top
        anchors.margins: 12
        // A dragged key passes over the menus on its way to the key field.
        z: keyboard.dragActive ? 2 : 0

        Model_KeyDefine_K3 {
            id: keyboard
            objectName: "keyboard"

            anchors.centerIn: parent
            scale: width > 0 && height > 0
                   ? Math.min(1.0, keyboardArea.width / width, keyboardArea.height / height) : 1.0
            currentProfile: profile
            skinFolder: skinPath
            onKeySelected: key => page.selectKey(key.matrix)
            onProfileKeyClicked: index => page.profileKeyClicked(index)
        }
    }

    Text {
        id: dragHint

        objectName: "dragHint"
        x: toolbar.x + secondMenu.x
        y: toolbar.y + toolbar.height + 6
        width: secondMenu.width
        visible: keyField.visible
        horizontalAlignment: Text.AlignHCenter
        text: groupText("hint", "dragKey", "Drag a key of the keyboard onto this field")
        wrapMode: Text.WordWrap
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color_disable
    }

    Row {
        id: toolbar

        x: 16
        y: 14
        height: 30
        spacing: 10
        z: 1

        KeydefineSelectedKey {
            id: selectedBadge

            height: parent.height
            key: keyboard.getKey.length > 0 ? keyboard.keyAt(keyboard.curKeyMatrix) : null
        }

        Text {
            id: arrow

            anchors.verticalCenter: parent.verticalCenter
            visible: selectedBadge.visible
            text: "→"
            font.pixelSize: 16
            color: globalSetting_color_disable
        }

        ButtonGroup {
            id: kindMenu
            objectName: "kindMenu"

            width: 300
            height: parent.height
            model: page.kindNames
            onActivated: index => page.chooseKind(index)
        }

        Item {
            id: secondMenu

            width: 220
            height: parent.height

            KeydefineKeyField {
                id: keyField
                objectName: "keyField"

                anchors.fill: parent
                visible: page.kind === Logic.kindKeyboard
                label: page.fieldLabel
                accepts: key => page.acceptsKey(key)
                onCleared: page.clearKeyField()
                onKeyDropped: key => page.assignKey(key)
            }

            DropMenu {
                id: mediaMenu
                objectName: "mediaMenu"

                anchors.fill: parent
                visible: page.kind === Logic.kindMedia
                model: page.mediaNames
                onActivated: index => page.chooseMedia(index)
            }

            DropMenu {
                id: macroMenu
                objectName: "macroMenu"

                anchors.fill: parent
                visible: page.kind === Logic.kindMacro
                model: page.macroNames
                onOpenedChanged: if (opened) page.refreshMacroFiles()
                onActivated: index => page.chooseMacro(index)
            }

            Rectangle {
                id: refusalFrame

                anchors.fill: parent
                anchors.margins: -2
                radius: 4
                color: "transparent"
                border.color: "#e0524d"
                border.width: 2
                opacity: 0

                SequentialAnimation {
                    id: refusal

                    NumberAnimation { target: refusalFrame; property: "opacity"; to: 1; duration: 120 }
                    NumberAnimation { target: refusalFrame; property: "opacity"; to: 0; duration: 600 }
                }
            }
        }
    }

    CheckBox {
        id: gameModeBox
        objectName: "gameModeBox"

        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.verticalCenter: actions.verticalCenter
        visible: !page.isGameMode
        text: stringAt(79, "GAMING MODE")
        onToggled: checked => ui_View.ui_02H_SetKeyboardMode(checked ? 1 : 0)
    }

    Row {
        id: actions

        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        height: 28
        spacing: 10

        TextButton {
            id: resetButton

            height: parent.height
            source: skinPath + (hovered ? "common/reset_1.png" : "common/reset_0.png")
            text: stringAt(77, "RESET")
            onClicked: page.resetKey()
        }

        TextButton {
            id: applyButton

            height: parent.height
            source: skinPath + (hovered ? "common/apply_1.png" : "common/apply_0.png")
            text: stringAt(107, "APPLY")
            onClicked: page.apply()
        }
    }
}
