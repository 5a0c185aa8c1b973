import QtQuick
import QtTest
import "qrc:/modules/qml/K3"
import "qrc:/modules/qml/K3/MacroSteps.js" as Steps

// The scene's root as the page sees it: the shared properties, ui_View,
// the keyboard main item's signal and the key-name tables.
Item {
    id: mainScene

    readonly property string press: Steps.PRESS_TAG
    readonly property string release: Steps.RELEASE_TAG
    readonly property string pause: Steps.PAUSE_TAG
    property int layout: 0
    property var enTosp: ({ "A": "A", "B": "B", "Enter": "INTRO", "; :": "Ñ",
                            "\\ |": "} ]", "Eur 1": "} ]" })
    property var globalSetting_stringList: {
        var list = []
        for (var i = 0; i < 125; ++i)
            list.push("S" + i)
        list[84] = "LOAD"
        list[85] = "SAVE"
        list[112] = "RENAME"
        list[78] = "CANCEL"
        list[101] = "KEY"
        list[102] = "PRESS A KEY"
        list[103] = "DELAY"
        return list
    }
    property string globalSetting_fontFamily: "Exo"
    property int globalSetting_size: 11
    property color globalSetting_color: "#00ffff"
    property color skinAccent: "#1fc8ff"
    property color globalSetting_color_enable: "#ffffff"
    property color globalSetting_color_disable: "#aaaaaa"
    property int animation_speed: 10
    property string skinPath: testSkinPath

    width: 1000
    height: 600

    MacroViewStandIn {
        id: ui_View
    }

    KeyCodeString {
        id: keyCodeString
    }

    Item {
        id: mainK3

        signal msg_KB(bool isDown, int usbCode)
    }

    Component {
        id: pageComponent

        Page_Macro {
        }
    }

    TestCase {
        id: testCase

        property var page: null

        when: windowShown
        function init() {
            mainScene.layout = 0
            keyCodeString.initUI([], ["A", "B", "Enter", "; :", "\\ |", "Eur 1", "Mystery"],
                                 ["4", "5", "40", "51", "49", "50", "200"])
            ui_View.reset({
                "Macro. 001": ["A" + press, "A" + release],
                "Macro. 002": ["A" + press, "50" + pause, "A" + release, "Enter" + press, "Enter" + release],
                "Macro. 003": []
            })
            page = createTemporaryObject(pageComponent, mainScene)
            page.initUI()
            page.translateStrings()
        }

        function child(name) {
            var item = findChild(page, name)
            verify(item, "no item " + name)
            return item
        }

        function shownSteps() {
            var list = child("stepList")
            var rows = []
            for (var i = 0; i < list.count; ++i) {
                var row = list.model.get(i)
                rows.push(row.textX + row.textR)
            }
            return rows
        }

        function lastSaved() {
            var saves = ui_View.callsOf("saveMacroIni")
            verify(saves.length > 0, "nothing saved")
            return saves[saves.length - 1].args
        }

        function clickRow(listName, index, button) {
            var list = child(listName)
            list.positionViewAtIndex(index, ListView.Contain)
            var row = list.itemAtIndex(index)
            verify(row, "row " + index + " of " + listName + " is not shown")
            mouseClick(row, row.width / 2, row.height / 2, button === undefined ? Qt.LeftButton : button)
        }

        function selectMacro(index) {
            clickRow("macroList", index)
            compare(page.macroRow, index)
        }

        function click(name) {
            var item = child(name)
            verify(item.enabled, name + " is disabled")
            mouseClick(item)
        }

        function key(isDown, usbCode) {
            mainK3.msg_KB(isDown, usbCode)
        }

        function typeText(text) {
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function test_init_lists_macro_names_without_selection() {
            var list = child("macroList")
            compare(list.count, 3)
            compare(list.model.get(0).textX, "Macro. 001")
            compare(list.model.get(2).textX, "Macro. 003")
            compare(page.macroRow, -1)
            compare(child("stepList").count, 0)
            verify(!child("recordButton").enabled)
            verify(!child("addPauseButton").enabled)
            verify(!child("capacityBar").visible)
        }

        function test_selecting_a_macro_loads_its_steps() {
            selectMacro(1)
            verify(child("capacityBar").visible)
            compare(ui_View.callsOf("loadMacroIni").pop().args, ["Macro. 002"])
            compare(shownSteps(), ui_View.files["Macro. 002"])
            compare(page.stepRow, -1)
            selectMacro(0)
            compare(shownSteps(), ["A" + press, "A" + release])
        }

        function test_record_press_release_stop_saves_two_steps() {
            selectMacro(2)
            click("recordButton")
            verify(page.isRecordStart)
            verify(!child("macroList").parent.parent.enabled, "macro list usable while recording")
            key(true, 4)
            key(false, 4)
            compare(ui_View.callsOf("saveMacroIni").length, 0, "saved during recording")
            compare(shownSteps(), ["A" + press, "A" + release])
            click("stopButton")
            verify(!page.isRecordStart)
            compare(lastSaved(), ["Macro. 003", ["A" + press, "A" + release]])
            compare(ui_View.files["Macro. 003"].length, 2)
        }

        function test_record_replaces_steps_and_ignores_unnamed_keys() {
            selectMacro(1)
            page.stepRow = 1
            click("recordButton")
            compare(child("stepList").count, 0)
            key(true, 0xE8)
            key(true, 5)
            key(false, 0xE8)
            key(false, 5)
            click("stopButton")
            compare(lastSaved()[1], ["B" + press, "B" + release])
        }

        function test_record_without_macro_only_clears() {
            page.record()
            verify(!page.isRecordStart)
            key(true, 4)
            compare(child("stepList").count, 0)
            page.stop()
            compare(ui_View.callsOf("saveMacroIni").length, 0)
        }

        function test_add_key_before_selected_step() {
            selectMacro(1)
            clickRow("stepList", 2)
            compare(page.stepRow, 2)
            click("keyField")
            verify(page.isKeyFieldArmed)
            key(true, 5)
            verify(!page.isKeyFieldArmed)
            compare(page.keyFieldName, "B")
            click("addKeyButton")
            var steps = lastSaved()[1]
            compare(steps.length, 7)
            compare(steps[2], "B" + press)
            compare(steps[3], "B" + release)
            compare(steps[4], "A" + release, "former third step is not fifth")
            compare(page.stepRow, 4, "selection does not stay on the former third step")
        }

        function test_add_key_without_selection_appends() {
            selectMacro(0)
            page.armKeyField()
            key(false, 40)
            page.addKey()
            compare(lastSaved()[1], ["A" + press, "A" + release, "Enter" + press, "Enter" + release])
        }

        function test_key_field_click_clears_and_disarms() {
            page.armKeyField()
            key(true, 4)
            compare(page.keyFieldName, "A")
            click("keyField")
            compare(page.keyFieldName, "")
            verify(page.isKeyFieldArmed)
            click("keyField")
            verify(!page.isKeyFieldArmed)
            page.armKeyField()
            key(true, 0xE8)
            compare(page.keyFieldName, "", "a key without a name filled the field")
            verify(!page.isKeyFieldArmed)
            verify(!child("addKeyButton").enabled)
        }

        function test_cut_paste_paste() {
            selectMacro(1)
            clickRow("stepList", 1)
            click("cutButton")
            compare(lastSaved()[1], ["A" + press, "A" + release, "Enter" + press, "Enter" + release])
            compare(page.scrapbook, "50" + pause)
            click("pasteButton")
            compare(lastSaved()[1], ui_View.files["Macro. 002"])
            compare(lastSaved()[1][1], "50" + pause)
            compare(page.scrapbook, "")
            verify(!child("pasteButton").enabled, "second paste of a cut is possible")
        }

        function test_copy_paste_paste() {
            selectMacro(1)
            clickRow("stepList", 3)
            var saves = ui_View.callsOf("saveMacroIni").length
            click("copyButton")
            compare(ui_View.callsOf("saveMacroIni").length, saves, "copy saved the macro")
            page.stepRow = -1
            click("pasteButton")
            click("pasteButton")
            var steps = lastSaved()[1]
            compare(steps.length, 7)
            compare(steps[5], "Enter" + press)
            compare(steps[6], "Enter" + press)
            verify(child("pasteButton").enabled)
        }

        function test_delete_keeps_a_neighbour_selected() {
            selectMacro(1)
            clickRow("stepList", 4)
            click("deleteButton")
            compare(lastSaved()[1].length, 4)
            compare(page.stepRow, 3)
            click("deleteButton")
            click("deleteButton")
            click("deleteButton")
            click("deleteButton")
            compare(lastSaved()[1], [])
            compare(page.stepRow, -1)
            verify(!child("deleteButton").enabled)
        }

        function test_pause_field_keeps_limits() {
            selectMacro(0)
            var field = child("pauseField")
            mouseClick(field)
            typeText("5")
            keyClick(Qt.Key_Return)
            compare(page.delayValue, 10)
            compare(field.shownText, "10")
            click("addPauseButton")
            compare(lastSaved()[1], ["A" + press, "A" + release, "10" + pause])
        }

        function test_pause_entry_ended_by_drag_area_and_add_button() {
            selectMacro(0)
            var field = child("pauseField")
            mouseClick(field)
            typeText("999999")
            page.controlMenu()
            compare(page.delayValue, 65535, "six digits or more than 65535 accepted")
            compare(field.shownText, "65535")
            mouseClick(field)
            typeText("75")
            clickRow("stepList", 0)
            click("addPauseButton")
            compare(lastSaved()[1], ["75" + pause, "A" + press, "A" + release])
        }

        function test_spanish_layout_shows_labels_and_stores_names() {
            mainScene.layout = 1
            ui_View.files["Macro. 003"] = ["\\ |" + press, "\\ |" + release]
            selectMacro(2)
            compare(shownSteps(), ["} ]" + press, "} ]" + release])
            page.stepRow = -1
            page.armKeyField()
            key(true, 51)
            compare(child("keyField").label, "Ñ")
            page.addKey()
            compare(shownSteps()[2], "Ñ" + press)
            // The shared label "} ]" must not turn the backslash key into Eur 1.
            compare(lastSaved()[1], ["\\ |" + press, "\\ |" + release, "; :" + press, "; :" + release])
            click("recordButton")
            key(true, 40)
            key(true, 200)
            key(false, 40)
            click("stopButton")
            compare(shownSteps(), ["INTRO" + press, "INTRO" + release])
            compare(lastSaved()[1], ["Enter" + press, "Enter" + release],
                    "a key without a Spanish label was recorded in layout 1")
        }

        function test_import_into_selected_macro_reloads() {
            selectMacro(0)
            ui_View.importSteps = ["B" + press, "B" + release]
            clickRow("macroList", 1, Qt.RightButton)
            var menu = child("contextMenu")
            tryCompare(menu, "opened", true)
            menu.choose(0)
            compare(ui_View.callsOf("loadMacroIniFromFile").pop().args, ["Macro. 002"])
            compare(shownSteps(), ["A" + press, "A" + release], "importing elsewhere changed the action list")
            clickRow("macroList", 0, Qt.RightButton)
            menu.choose(0)
            compare(shownSteps(), ["B" + press, "B" + release])
        }

        function test_export_and_cancel() {
            clickRow("macroList", 2, Qt.RightButton)
            var menu = child("contextMenu")
            compare(menu.model, ["LOAD", "SAVE", "RENAME", "CANCEL"])
            menu.choose(1)
            compare(ui_View.callsOf("saveMacroIniToFile").pop().args, ["Macro. 003"])
            tryCompare(menu, "visible", false)
            clickRow("macroList", 2, Qt.RightButton)
            var before = ui_View.calls.length
            menu.choose(3)
            compare(ui_View.calls.length, before)
        }

        function test_failed_save_clears_action_list() {
            selectMacro(1)
            delete ui_View.files["Macro. 002"]
            clickRow("stepList", 0)
            click("deleteButton")
            compare(child("stepList").count, 0)
            compare(page.stepRow, -1)
        }

        function startRename(index) {
            clickRow("macroList", index, Qt.RightButton)
            child("contextMenu").choose(2)
            var row = child("macroList").itemAtIndex(index)
            tryCompare(row, "renaming", true)
            return row
        }

        function test_rename_current_macro() {
            selectMacro(0)
            startRename(0)
            typeText("zap")
            keyClick(Qt.Key_Return)
            compare(ui_View.callsOf("renameMacroIniFile").pop().args, ["Macro. 001", "zap"])
            var list = child("macroList")
            compare(list.model.get(2).textX, "zap")
            compare(page.macroRow, 2, "selection lost by the rename")
            page.armKeyField()
            key(true, 5)
            page.addKey()
            compare(lastSaved()[0], "zap")
            // Renaming another macro selects it under its new name, with its steps.
            startRename(0)
            typeText("zz")
            keyClick(Qt.Key_Return)
            compare(list.model.get(page.macroRow).textX, "zz")
            compare(shownSteps().length, 5)
        }

        function test_rename_refused_or_failed_shows_stored_name() {
            selectMacro(1)
            startRename(0)
            typeText("macro. 002")
            keyClick(Qt.Key_Return)
            compare(ui_View.callsOf("renameMacroIniFile").length, 0, "duplicate name sent")
            compare(child("macroList").model.get(0).textX, "Macro. 001")

            ui_View.renameWorks = false
            startRename(1)
            typeText("other")
            page.controlMenu()
            compare(ui_View.callsOf("renameMacroIniFile").length, 1)
            compare(child("macroList").model.get(1).textX, "Macro. 002", "list shows a name without a file")
            compare(page.macroRow, 1)
            compare(shownSteps().length, 5)
        }

        function test_rename_abandoned_by_focus_loss() {
            var row = startRename(2)
            typeText("gone")
            child("pauseField").startEntry()
            verify(!row.renaming)
            compare(row.name, "Macro. 003")
            compare(ui_View.callsOf("renameMacroIniFile").length, 0)
        }

        function test_hiding_the_page_ends_recording() {
            selectMacro(2)
            page.record()
            key(true, 4)
            page.visible = false
            verify(!page.isRecordStart)
            compare(lastSaved(), ["Macro. 003", ["A" + press]])
        }

        function test_capacity_follows_steps() {
            selectMacro(1)
            compare(page.encodedSize, 4 + 2 + 4 + 2 + 2 + 2)
            ui_View.files["Macro. 003"] = ["Mystery" + press, "Nobody" + press, "0" + pause, "x" + pause]
            selectMacro(2)
            compare(page.encodedSize, 4 + 2)
        }
    }
}
