import QtQuick
import QtTest

KeydefineStage {
    id: stage

    TestCase {
        id: test

        readonly property var page: stage.page
        readonly property var view: stage.view
        readonly property var keyboard: findChild(stage.page, "keyboard")

        when: windowShown

        function key(matrix) {
            return keyboard.keyAt(matrix)
        }

        function fieldText() {
            return findChild(page, "keyField").shownText
        }

        // A fresh page: the table of the stage, a profile with a few changed keys, 17 macros.
        function init() {
            stage.lang = 0
            stage.layout = 0
            stage.profile = 0
            page.isGameMode = true
            view.keydefine = { 4: ["5", "0"], 5: [0x94, 0x31], 48: [0x03, 0x41], 100: [0x83, 0x31] }
            var files = []
            var configs = {}
            for (var i = 1; i <= 6; ++i) {
                files.push("Macro. 00" + i + ".bin")
                configs["Macro. 00" + i] = [i - 1, 1]
            }
            configs["Macro. 006"] = [5, 2]
            configs["Macro. 003"] = [-1, 1]
            view.macroFiles = files
            view.macroConfigs = configs
            view.langTables = {}
            page.initUI(true, stage.table(stage.rows, 128))
            page.selectKey(0)
            view.calls = []
            stage.locks = []
        }

        function test_init_reads_every_position_of_the_profile() {
            view.calls = []
            page.initUI()
            var reads = view.callsOf("getKeydefine")
            compare(reads.length, 128)
            compare(reads[0].args[0], 0)
            compare(reads[127].args[0], 127)
            compare(key(4).keyCode, 5)
            compare(key(5).keyCode, 0x3194)
            compare(key(48).keyCode, 0x4103)
            // Positions without a stored pair keep their default code.
            compare(key(0).keyCode, 41)
            compare(keyboard.getKey[7].keyCode, 0)
            compare(keyboard.getKey[7].matrix, -1)
            compare(keyboard.getKey.length, 128)
            verify(!key(4).isDefault)
            verify(key(0).isDefault)
        }

        function test_model_from_the_table() {
            compare(key(0).font_Size, 9)
            compare(key(83).font_Size, 14)
            compare(key(83).name, "Eur 2")
            verify(!key(89).editable)
            verify(key(85).editable)
            stage.layout = 1
            stage.lang = 1
            page.initUI(true, stage.table(stage.rows, 128))
            compare(key(83).name, "<")
            compare(key(85).font_Size, 16)
            compare(key(48).font_Size, 7)
        }

        function test_key_code_to_ui_data() {
            return [
                { tag: "0x0004 keyboard A", code: 0x0004, kind: 0, field: "A" },
                { tag: "0x0000 empty field", code: 0x0000, kind: 0, field: "【 KEYS 】" },
                { tag: "0x00E9 unnamed usage", code: 0x00E9, kind: 0, field: "【 KEYS 】" },
                { tag: "0x3194 media 10", code: 0x3194, kind: 1, media: 10 },
                { tag: "0x3195 unknown media", code: 0x3195, kind: 1, media: -1 },
                { tag: "0x4205 macro slot 5", code: 0x4205, kind: 2, macro: 5 },
                { tag: "0x4102 unbound slot", code: 0x4102, kind: 2, macro: -1 },
                { tag: "0x2004 unknown kind", code: 0x2004, kind: -1 }
            ]
        }

        function test_key_code_to_ui(data) {
            page.keyCodeToUI(data.code)
            compare(page.kind, data.kind)
            compare(findChild(page, "kindMenu").currentIndex, data.kind)
            if (data.field !== undefined)
                compare(fieldText(), data.field)
            compare(findChild(page, "mediaMenu").currentIndex, data.media === undefined ? -1 : data.media)
            compare(findChild(page, "macroMenu").currentIndex, data.macro === undefined ? -1 : data.macro)
        }

        function test_macro_key_matches_the_last_macro_with_its_slot() {
            view.calls = []
            page.keyCodeToUI(0x4205)
            // Macro. 006 holds slot 5 with repeat 2; the repeat nibble does not matter.
            compare(page.macroIndex, 5)
            compare(view.callsOf("getMacroIniNames").length, 1)
            compare(view.callsOf("loadMacroIniConfig").length, 6)
            var configs = view.macroConfigs
            configs["Macro. 002"] = [5, 1]
            view.macroConfigs = configs
            page.keyCodeToUI(0x4005)
            compare(page.macroIndex, 5)
            configs["Macro. 006"] = [0, 1]
            page.keyCodeToUI(0x4305)
            compare(page.macroIndex, 1)
        }

        function test_field_text_by_layout_and_language() {
            page.keyCodeToUI(51)
            compare(fieldText(), "; :")
            stage.layout = 1
            compare(fieldText(), "Ñ")
            page.keyCodeToUI(49)
            // A name without a Spanish label shows the empty field.
            compare(fieldText(), "【 KEYS 】")
            stage.lang = 1
            compare(fieldText(), "【 TECLAS 】")
        }

        function test_first_menu_clears_the_second_menus() {
            page.selectKey(5)
            compare(page.kind, 1)
            compare(findChild(page, "mediaMenu").currentIndex, 10)
            page.chooseKind(0)
            compare(findChild(page, "mediaMenu").currentIndex, -1)
            compare(fieldText(), "【 KEYS 】")
            verify(findChild(page, "keyField").visible)
            verify(!findChild(page, "mediaMenu").visible)
            verify(!findChild(page, "macroMenu").visible)
            // Choosing a kind alone changes no key; a media entry does.
            compare(key(5).keyCode, 0x3194)
            page.chooseKind(1)
            page.chooseMedia(4)
            compare(key(5).keyCode, 0x30E2)
        }

        function test_macro_choice_binds_and_sends() {
            page.selectKey(4)
            page.chooseKind(2)
            verify(page.chooseMacro(3))
            compare(key(4).keyCode, 0x4103)
            compare(view.callsOf("setMacroIniConfig")[0].args, ["Macro. 004", [3, 1]])
            compare(view.callsOf("ui_10H_SetMacroKey")[0].args, [3, "Macro. 004"])
            compare(findChild(page, "macroMenu").currentIndex, 3)
            // Nothing else goes to the keyboard until Apply.
            compare(view.callsOf("ui_0C0DH_SetKeyMatrix").length, 0)
        }

        function test_unbound_macro_is_refused() {
            page.selectKey(4)
            page.chooseKind(2)
            page.chooseMacro(1)
            view.calls = []
            verify(!page.chooseMacro(2))
            compare(key(4).keyCode, 0x4101)
            compare(view.callsOf("setMacroIniConfig").length, 0)
            compare(view.callsOf("ui_10H_SetMacroKey").length, 0)
            compare(findChild(page, "macroMenu").currentIndex, 1)
            // A macro file that went missing reads as an empty config.
            view.macroFiles = view.macroFiles.concat(["Gone.bin"])
            page.refreshMacroFiles()
            verify(!page.chooseMacro(6))
            compare(key(4).keyCode, 0x4101)
        }

        function test_macro_menu_follows_renamed_files() {
            page.selectKey(48)
            page.chooseMacro(3)
            view.macroFiles = ["Another.bin"].concat(view.macroFiles)
            page.refreshMacroFiles()
            compare(page.macroNames[4], "Macro. 004")
            compare(findChild(page, "macroMenu").currentIndex, 4)
        }

        function test_locked_keys_cannot_be_selected() {
            page.selectKey(4)
            var locked = [89, 116, 117, 118, 119]
            for (var i = 0; i < locked.length; ++i) {
                page.selectKey(locked[i])
                compare(keyboard.curKeyMatrix, 4)
            }
            // Positions without a key cannot be selected either.
            page.selectKey(7)
            compare(keyboard.curKeyMatrix, 4)
        }

        function test_reset_and_reset_all() {
            page.selectKey(4)
            page.chooseKind(1)
            page.chooseMedia(0)
            page.resetKey()
            compare(key(4).keyCode, 4)
            compare(page.kind, 0)
            compare(fieldText(), "A")
            verify(key(5).keyCode !== 5)
            keyboard.getKey[7].keyCode = 0x1234
            page.resetAll()
            var keys = keyboard.getKey
            for (var i = 0; i < keys.length; ++i)
                compare(keys[i].keyCode, keys[i].keyCode_Default, "position " + i)
            compare(view.callsOf("ui_0C0DH_SetKeyMatrix").length, 0)
        }

        function test_apply_sends_every_position_low_byte_first() {
            keyboard.getKey[7].keyCode = 0x1234
            page.apply()
            compare(stage.locks, [800])
            var sent = view.callsOf("ui_0C0DH_SetKeyMatrix")
            compare(sent.length, 1)
            var bytes = sent[0].args[0]
            compare(bytes.length, 256)
            var keys = keyboard.getKey
            for (var i = 0; i < 128; ++i) {
                compare(bytes[2 * i], keys[i].keyCode & 0xFF, "low byte of " + i)
                compare(bytes[2 * i + 1], keys[i].keyCode >> 8, "high byte of " + i)
            }
            compare(bytes.slice(8, 12), [5, 0, 0x94, 0x31])
            compare(bytes.slice(14, 16), [0x34, 0x12])
            // The main window's apply-all locks the interface itself.
            stage.btnTotalApplyClicked()
            compare(view.callsOf("ui_0C0DH_SetKeyMatrix").length, 2)
            compare(view.callsOf("ui_0C0DH_SetKeyMatrix")[1].args[0], bytes)
            compare(stage.locks, [800])
            stage.btnTotalResetClicked()
            compare(keyboard.getKey[7].keyCode, 0)
            compare(key(4).keyCode, 4)
            compare(view.callsOf("ui_0C0DH_SetKeyMatrix").length, 2)
        }

        function test_empty_table_sends_nothing() {
            page.initUI(true, [0, 0])
            compare(keyboard.getKey.length, 0)
            page.apply()
            page.applyAll()
            compare(view.callsOf("ui_0C0DH_SetKeyMatrix").length, 0)
            page.resetAll()
            page.keyCodeToUI(4)
        }

        function test_change_language_relabels_keys() {
            var spanish = [[0, 0, 1, "ESC", 0, 41], [200, 0, 1, "Ñ", 48, 51], [0, 40, 1, "> <", 83, 100],
                           [0, 0, 1, "far", 200, 1]]
            var tables = {}
            tables[1] = stage.table(spanish, 128)
            view.langTables = tables
            page.changeLanguage(1)
            compare(view.callsOf("loadLangName")[0].args, [1])
            compare(key(0).name, "ESC")
            compare(key(48).name, "Ñ")
            compare(key(83).name, "> <")
            compare(key(4).name, "A")
            compare(key(48).font_Size, 7)
            compare(key(85).font_Size, 12)
            // An empty table keeps the labels and still sets the sizes.
            page.changeLanguage(0)
            compare(key(48).name, "Ñ")
            compare(key(48).font_Size, 10)
        }

        function test_translate_strings() {
            var list = []
            list[46] = "TECLADO"
            list[50] = "MACRO"
            list[56] = "PISTA SIGUIENTE"
            stage.globalSetting_stringList = list
            page.translateStrings()
            compare(page.kindNames, ["TECLADO", "MEDIA", "MACRO"])
            compare(page.mediaNames[0], "PISTA SIGUIENTE")
            compare(page.mediaNames[1], "PREVIOUS TRACK")
            stage.globalSetting_stringList = []
            page.translateStrings()
        }

        // Keys get their size from the skin's key caps; without them the test gives one.
        function sized(matrix) {
            var k = key(matrix)
            if (k.width === 0) {
                k.width = 36
                k.height = 36
            }
            return k
        }

        function dragOnto(source, target) {
            var to = target.mapToItem(source, target.width / 2, target.height / 2)
            mousePress(source, source.width / 2, source.height / 2)
            for (var step = 1; step <= 10; ++step) {
                mouseMove(source, source.width / 2 + (to.x - source.width / 2) * step / 10,
                          source.height / 2 + (to.y - source.height / 2) * step / 10, -1, Qt.LeftButton)
                wait(5)
            }
        }

        function test_mouse_selects_and_drags_keys() {
            var field = findChild(page, "keyField")
            page.chooseKind(0)
            mouseClick(sized(4))
            compare(keyboard.curKeyMatrix, 4)
            compare(fieldText(), "B")
            mouseClick(sized(89))
            compare(keyboard.curKeyMatrix, 4)

            // A media key over the field is refused and leaves the key as it was.
            dragOnto(sized(100), field)
            verify(field.dragOver)
            verify(!field.dragAccepted)
            compare(findChild(keyboard, "dragProxy").opacity, 0.5)
            compare(fieldText(), "")
            var over = field.mapToItem(key(100), field.width / 2, field.height / 2)
            mouseRelease(key(100), over.x, over.y)
            compare(key(4).keyCode, 5)
            compare(keyboard.curKeyMatrix, 4)

            // A plain key is taken; the drag does not change the selection.
            dragOnto(sized(85), field)
            verify(field.dragAccepted)
            var to = field.mapToItem(key(85), field.width / 2, field.height / 2)
            mouseRelease(key(85), to.x, to.y)
            compare(key(4).keyCode, 44)
            compare(fieldText(), "Space")
            compare(keyboard.curKeyMatrix, 4)
            verify(!field.dragOver)
            verify(!findChild(keyboard, "dragProxy").visible)
        }

        function test_field_hover_and_click() {
            var field = findChild(page, "keyField")
            page.selectKey(0)
            compare(fieldText(), "Esc")
            mouseMove(field, field.width / 2, field.height / 2)
            compare(fieldText(), "╳")
            mouseClick(field)
            compare(key(0).keyCode, 0)
            mouseMove(page, 1, 1)
            compare(fieldText(), "【 KEYS 】")
        }

        function test_gaming_mode_box() {
            var box = findChild(page, "gameModeBox")
            verify(!box.visible)
            page.isGameMode = false
            verify(box.visible)
            mouseClick(box)
            mouseClick(box)
            compare(view.callsOf("ui_02H_SetKeyboardMode").map(function (c) { return c.args[0] }), [1, 0])
            page.isGameMode = true
        }

        function test_profile_keys_show_and_switch_the_profile() {
            compare(key(116).isCurrentProfile, true)
            stage.profile = 2
            verify(key(118).isCurrentProfile)
            verify(!key(116).isCurrentProfile)
            var asked = []
            page.profileKeyClicked.connect(function (index) { asked.push(index) })
            keyboard.keyClicked(key(117))
            keyboard.keyClicked(key(89))
            compare(asked, [1])
            compare(keyboard.curKeyMatrix, 0)
        }
    }
}
