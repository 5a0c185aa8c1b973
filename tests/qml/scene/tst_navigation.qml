import QtQuick

// Function menu and page slides, the global settings panel and what it disables.
SceneTestCase {
    name: "Navigation"

    property var mainK3: null
    property var area: null

    function startNavigation() {
        start()
        mainK3 = scene.getDevItem(0)
        area = mainK3.pageArea
    }

    function clickFunction(index) {
        clickOn(findChild(mainK3, "functionEntry" + index))
    }

    function test_no_page_at_start() {
        startNavigation()
        compare(area.openPage, -1)
        compare(mainK3.functionMenu.currentIndex, -1)
        verify(item("keyboardPicture").visible)
    }

    function test_key_then_macro_then_macro() {
        startNavigation()
        clickFunction(0)
        compare(area.openPage, 0)
        verify(!item("keyboardPicture").visible)
        verify(mainK3.keyPage.visible)
        tryCompare(area, "sliding", false)
        clickFunction(1)
        // The key page slides out first, then the macro page slides in.
        compare(area.openPage, 0)
        tryCompare(area, "openPage", 1)
        tryCompare(area, "sliding", false)
        verify(mainK3.macroPage.visible && !mainK3.keyPage.visible)
        clickFunction(1)
        compare(mainK3.functionMenu.currentIndex, -1)
        tryCompare(area, "openPage", -1)
        verify(item("keyboardPicture").visible)
        compare(view.names().filter(n => n === "playMedia_Index").length, 3)
        compare(view.calls.filter(c => c[0] === "playMedia_Index" && c[1] === 2).length, 3)
    }

    function test_double_click_completes_the_opening_slide() {
        startNavigation()
        clickFunction(2)
        verify(area.sliding)
        clickFunction(2)
        verify(!area.sliding, "the running slide was completed, nothing queued")
        compare(area.openPage, -1)
        wait(500)
        compare(area.openPage, -1)
    }

    function test_other_entry_during_opening_slide_opens_it_at_once() {
        startNavigation()
        clickFunction(0)
        clickFunction(2)
        verify(!area.sliding)
        compare(area.openPage, 2)
        verify(mainK3.colorPage.visible && !mainK3.keyPage.visible)
    }

    function test_click_during_closing_slide_completes_it_and_opens() {
        startNavigation()
        clickFunction(0)
        tryCompare(area, "sliding", false)
        clickFunction(0)
        verify(area.sliding)
        clickFunction(1)
        // The closing slide ended at once and the macro page's opening slide runs.
        compare(area.openPage, 1)
        verify(area.sliding)
        tryCompare(area, "sliding", false)
        compare(area.openPage, 1)
    }

    function test_settings_panel_disables_navigation() {
        startNavigation()
        clickOn(item("settingsButton"))
        verify(scene.globalSettingSelected)
        verify(item("settingsPanel").visible)
        compare(item("bottomBar").opacity, 0.2)
        compare(mainK3.functionMenu.opacity, 0.2)
        compare(mainK3.profileMenu.opacity, 0.2)
        compare(area.opacity, 0.2)
        clickFunction(0)
        clickOn(findChild(mainK3, "profileEntry3"))
        clickOn(item("applyAllButton"))
        compare(area.openPage, -1)
        compare(mainK3.profileMenu.currentIndex, 0)
        verify(!scene.busy)
        clickOn(item("settingsButton"))
        verify(!scene.globalSettingSelected)
        compare(item("bottomBar").opacity, 1)
        compare(mainK3.functionMenu.opacity, 1)
        tryCompare(item("settingsPanel"), "visible", false)
    }

    function test_settings_panel_slide_rules() {
        startNavigation()
        var panel = item("settingsPanel")
        var page = scene.page_Globalsetting
        scene.openGlobalSetting()
        verify(panel.sliding)
        // Closing while opening completes the opening first.
        scene.closeGlobalSetting()
        verify(panel.sliding)
        verify(panel.visible)
        tryCompare(panel, "visible", false)
        compare(page.x, -319)
        // Opening while closing completes the closing first, then opens.
        scene.openGlobalSetting()
        tryCompare(panel, "sliding", false)
        scene.closeGlobalSetting()
        scene.openGlobalSetting()
        verify(panel.visible)
        verify(panel.sliding)
        // A repeated request completes its own slide.
        scene.openGlobalSetting()
        verify(!panel.sliding)
        compare(page.x, 0)
    }

    function test_press_on_background_closes_menus() {
        startNavigation()
        clickOn(findChild(mainK3, "profileEntry1"), Qt.RightButton)
        var menu = findChild(mainK3, "profileContextMenu")
        verify(menu.opened)
        mouseClick(scene, 500, 80)
        verify(!menu.opened)
    }
}
