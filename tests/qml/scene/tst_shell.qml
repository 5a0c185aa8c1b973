import QtQuick

// Root functions the bridge calls, the interface lock, the bars and the drag area.
SceneTestCase {
    name: "Shell"

    function test_initUI_order() {
        view.hwMode = 1
        view.currentProfile = 2
        view.apConfig = [1, 1, 1, 1, 1, false, "", 0]
        view.strings = ({ "111000": ["Exo", "OPCIONES"] })
        build()
        scene.initUI()
        var names = view.names()
        var order = ["ui_80H_GetHWMode", "loadApConfig", "getIsSkinShow", "loadHWDef", "loadUsbStr",
                     "loadUsbCode", "ui_A1H_GetCurrentProfile", "ui_88H_GetLEDTypeX"]
        var last = -1
        for (var i = 0; i < order.length; ++i) {
            var at = names.indexOf(order[i])
            verify(at > last, order[i] + " comes after " + (i > 0 ? order[i - 1] : "nothing"))
            last = at
        }
        // The interface texts are in place before the key page is built.
        verify(names.indexOf("getGlobalStrings") < names.indexOf("loadHWDef"))
        compare(scene.layout, 1)
        compare(scene.profile, 2)
        compare(scene.getDevItem(0).profileMenu.currentIndex, 2)
        compare(scene.lang, 1)
        compare(scene.globalSetting_stringList[1], "OPCIONES")
    }

    function test_setProtectUI_locks_for_its_interval() {
        build()
        scene.setProtectUI(300)
        verify(scene.busy)
        compare(view.last("setEnabled"), ["setEnabled", false])
        wait(200)
        verify(scene.busy)
        tryCompare(scene, "busy", false, 400)
        compare(view.last("setEnabled"), ["setEnabled", true])
    }

    function test_setProtectUI_restarts_with_new_interval() {
        build()
        scene.setProtectUI(200)
        wait(100)
        scene.setProtectUI(400)
        wait(250)
        verify(scene.busy, "the second call replaced the first interval")
        tryCompare(scene, "busy", false, 400)
    }

    function test_setProtectUI_zero_unlocks_on_next_turn() {
        build()
        scene.setProtectUI(0)
        verify(scene.busy)
        tryCompare(scene, "busy", false, 200)
    }

    function test_apply_all_locks_2000_ms() {
        start()
        var spy = createTemporaryQmlObject("import QtTest; SignalSpy { signalName: \"btnTotalApplyClicked\" }", scene)
        spy.target = scene
        clickOn(item("applyAllButton"))
        compare(spy.count, 1)
        verify(scene.busy)
        wait(1850)
        verify(scene.busy)
        tryCompare(scene, "busy", false, 500)
    }

    function test_reset_all_locks_800_ms_and_restores_language() {
        view.hwMode = 0
        view.apConfig = [1, 1, 1, 1, 1, false, "", 0]
        view.strings = ({ "111000": ["Exo", "OPCIONES"], "031000": ["Exo", "OPTIONS"] })
        start()
        compare(scene.lang, 1)
        var spy = createTemporaryQmlObject("import QtTest; SignalSpy { signalName: \"btnTotalResetClicked\" }", scene)
        spy.target = scene
        clickOn(item("resetAllButton"))
        compare(spy.count, 1)
        compare(scene.lang, 0)
        compare(view.last("getGlobalStrings"), ["getGlobalStrings", "031000"])
        wait(650)
        verify(scene.busy)
        tryCompare(scene, "busy", false, 400)

        // Until the next save the same button takes the reset back: the pages read the profile again.
        view.calls = []
        clickOn(item("resetAllButton"))
        compare(spy.count, 1)
        compare(scene.lang, 1)
        verify(view.count("getKeydefine") > 0 && view.count("ui_88H_GetLEDType") > 0)
        tryCompare(scene, "busy", false, 1000)
        clickOn(item("resetAllButton"))
        tryCompare(scene, "busy", false, 1000)
        clickOn(item("applyAllButton"))
        verify(!scene.resetUndoable, "a save ends the undo")
    }

    function test_clicks_are_ignored_while_locked() {
        start()
        scene.setProtectUI(2000)
        clickOn(findChild(scene.getDevItem(0), "functionEntry0"))
        clickOn(item("settingsButton"))
        compare(scene.getDevItem(0).openPage, -1)
        verify(!scene.globalSettingSelected)
        compare(view.count("playMedia_Index"), 0)
    }

    function test_drag_moves_the_window() {
        start()
        mousePress(scene, 500, 300)
        mouseMove(scene, 510, 295)
        mouseMove(scene, 512, 296)
        mouseRelease(scene, 512, 296)
        // The window system is offered the drag once, as it begins.
        compare(ctl.calls, [["startSystemMove"], ["onXChanged", 10], ["onYChanged", -5],
                            ["onXChanged", 12], ["onYChanged", -4]])
    }

    function test_buttons_do_not_move_the_window() {
        start()
        var p = centre(item("applyAllButton"))
        mousePress(scene, p.x, p.y)
        mouseMove(scene, p.x + 20, p.y + 5)
        mouseRelease(scene, p.x + 20, p.y + 5)
        compare(ctl.calls.filter(c => c[0] === "onXChanged").length, 0)
    }

    function test_top_bar_buttons() {
        start()
        clickOn(item("minimizeButton"))
        clickOn(item("closeButton"))
        compare(ctl.calls, [["onMinimize"], ["onClose"]])
        compare(view.count("playMedia_Index"), 2)
    }

    function test_keyboard_events_reach_the_pages() {
        start()
        var mainK3 = scene.getDevItem(0)
        var spy = createTemporaryQmlObject("import QtTest; SignalSpy { signalName: \"msg_KB\" }", scene)
        spy.target = mainK3
        scene.detectKeyboard(true, 4)
        scene.detectKeyboard(false, 5)
        compare(spy.count, 2)
        compare(spy.signalArguments[1][0], false)
        compare(spy.signalArguments[1][1], 5)
        compare(mainK3.lastPressKeyCode, 4)
    }

    function test_logo_plays_its_cue() {
        start()
        scene.globalSetting_url = ""
        clickOn(item("logo"))
        compare(view.last("playMedia_Index"), ["playMedia_Index", 3])
    }

    function test_initUI_without_a_keyboard() {
        view.ledTypeX = []
        build()
        scene.initUI()
        compare(scene.layout, 0)
    }

    // Notices never lock the scene, wait their turn, are not repeated, and fade away.
    function test_notices_queue_and_fade() {
        start()
        var notice = item("notice")
        notice.showMs = 200
        scene.showNotice("first")
        scene.showNotice("second")
        scene.showNotice("first")
        scene.showNotice("second")
        verify(!scene.busy)
        compare(notice.text, "first")
        compare(notice.waiting, ["second"])
        clickOn(item("settingsButton"))
        verify(scene.globalSettingSelected, "the scene takes clicks under a notice")
        tryCompare(notice, "text", "second", 2000)
        tryCompare(notice, "visible", false, 2000)
        compare(notice.text, "")
    }

    function test_notice_queue_keeps_the_newest() {
        build()
        var queue = createTemporaryQmlObject("import QtQuick; import \"qrc:/modules/qml/common/NoticeQueue.js\" as Q; "
                                             + "QtObject { function run(w, s, t) { return Q.enqueue(w, s, t, 2) } }", scene)
        compare(queue.run(["a", "b"], "x", "c"), ["b", "c"])
        compare(queue.run(["a"], "x", "x"), ["a"])
        compare(queue.run(["a"], "x", ""), ["a"])
    }
}
