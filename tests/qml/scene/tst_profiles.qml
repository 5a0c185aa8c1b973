import QtQuick

// The profile menu, its context menu and profile changes made on the keyboard.
SceneTestCase {
    name: "Profiles"

    property var mainK3: null

    function startProfiles() {
        start()
        mainK3 = scene.getDevItem(0)
        scene.page_Globalsetting.chooseAnimation(1)
    }

    function entry(index) {
        return findChild(mainK3, "profileEntry" + index)
    }

    // LOAD and RESET ask first; `answer` ("confirmYes" by default) is clicked then.
    function chooseAction(profileIndex, action, answer) {
        var before = view.calls.length
        clickOn(entry(profileIndex), Qt.RightButton)
        var menu = findChild(mainK3, "profileContextMenu")
        tryCompare(menu, "opacity", 1)
        compare(menu.y, profileIndex * 30)
        clickOn(findChild(menu, "menuRow" + action))
        verify(!menu.opened)
        var box = item("confirmBox")
        compare(box.visible, action === 0 || action === 2)
        if (box.visible) {
            compare(view.names().slice(before).filter(n => /Profile/.test(n)), [], "nothing happens before the answer")
            verify(item("confirmQuestion").text.indexOf(mainK3.profileMenu.label(profileIndex)) >= 0)
            clickOn(item(answer || "confirmYes"))
            verify(!box.visible)
        }
    }

    // The key page reads the profile's key matrix and the lighting page its effect on a reload.
    function reloaded() {
        return view.count("getKeydefine") > 0 && view.count("ui_88H_GetLEDType") > 0
    }

    function test_labels() {
        startProfiles()
        compare(mainK3.profileMenu.label(0), "P01")
        compare(mainK3.profileMenu.label(3), "P04")
    }

    function test_left_click_switches_profile() {
        startProfiles()
        clickOn(entry(1))
        compare(view.last("ui_21H_SetCurrentProfile"), ["ui_21H_SetCurrentProfile", 1])
        compare(scene.profile, 1)
        compare(mainK3.profileMenu.currentIndex, 1)
        verify(reloaded())
        compare(view.count("getMacroIniNames") > 0, true, "the key page lists its macros again")
        view.calls = []
        clickOn(entry(1))
        compare(view.count("ui_21H_SetCurrentProfile"), 0, "the current entry does nothing")
        verify(!reloaded())
    }

    function test_load_into_other_profile_does_not_reload() {
        startProfiles()
        chooseAction(2, 0)
        compare(view.last("loadProfile"), ["loadProfile", 2])
        compare(view.count("ui_21H_SetCurrentProfile"), 0)
        verify(!reloaded())
    }

    function test_load_into_current_profile_reloads() {
        view.currentProfile = 2
        startProfiles()
        chooseAction(2, 0)
        var names = view.names()
        compare(names[names.indexOf("loadProfile") + 1], "ui_21H_SetCurrentProfile")
        compare(view.last("loadProfile"), ["loadProfile", 2])
        verify(reloaded())
    }

    function test_save_reset_cancel() {
        startProfiles()
        chooseAction(3, 1)
        compare(view.last("saveProfile"), ["saveProfile", 3])
        verify(!reloaded())
        chooseAction(0, 2)
        compare(view.last("resetProfile"), ["resetProfile", 0])
        verify(reloaded(), "resetting the current profile reloads the pages")
        view.calls = []
        chooseAction(1, 3)
        compare(view.names().filter(n => /Profile/.test(n)), [])
        chooseAction(0, 0, "confirmNo")
        chooseAction(0, 2, "confirmNo")
        compare(view.names().filter(n => /Profile/.test(n)), [], "NO keeps the profile")
    }

    function test_context_menu_texts_follow_language() {
        var strings = []
        for (var i = 0; i < 125; ++i)
            strings.push("T" + i)
        view.strings = ({ "031000": strings })
        view.apConfig = [1, 1, 1, 1, 0]
        startProfiles()
        compare(mainK3.profileMenu.actionTexts, ["T84", "T85", "T77", "T78"])
        compare(mainK3.functionMenu.texts, ["T74", "T75", "T76"])
    }

    function test_keyboard_switches_profile() {
        startProfiles()
        scene.zzzMorvel(3, 5, 63, 2)
        compare(view.last("ui_21H_SetCurrentProfile"), ["ui_21H_SetCurrentProfile", 3])
        compare(mainK3.profileMenu.currentIndex, 3)
        compare(scene.profile, 3)
        verify(reloaded())
    }

    function test_keyboard_changes_lighting_only() {
        startProfiles()
        scene.zzzMorvel(0, 5, 63, 2)
        compare(view.count("ui_21H_SetCurrentProfile"), 0)
        compare(view.count("getKeydefine"), 0, "the key page is not reloaded")
        verify(view.count("ui_88H_GetLEDType") > 0, "the lighting page is")
    }

    function test_report_naming_no_profile_switches_nothing() {
        startProfiles()
        scene.zzzMorvel(7, 5, 63, 2)
        compare(view.count("ui_21H_SetCurrentProfile"), 0)
        compare(mainK3.profileMenu.currentIndex, 0)
        compare(scene.profile, 0)
        verify(view.count("ui_88H_GetLEDType") > 0, "the lighting part of the report still shows")
    }

    function test_start_with_a_profile_out_of_range() {
        view.currentProfile = 9
        startProfiles()
        compare(mainK3.profileMenu.currentIndex, 0)
        compare(scene.profile, 0)
    }
}
