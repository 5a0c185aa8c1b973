import QtQuick

// The global settings page: start from the stored list, menus, text colour, apply and reset.
SceneTestCase {
    name: "GlobalSettings"

    property var page: null

    // Skin 2, sound off, animation off, Spanish, custom background, larger text, colour 3 at brightness 5.
    readonly property var stored: [1, "2", "1", "1", "1", "true", "file:///pics/bg.png", "1",
        "0", "255", "255", "255", "200", "150", "255", "180", "0", "10", "20", "30",
        "200", "170", "255", "255", "180", "180", "160", "190", "160", "3", "5", "https://example.org/k3"]

    function startSettings() {
        start()
        page = scene.page_Globalsetting
        return page
    }

    function openSettings() {
        scene.openGlobalSetting()
        tryCompare(item("settingsPanel"), "sliding", false)
    }

    function choose(menuName, index) {
        clickOn(findChild(findChild(page, menuName), "choice" + index))
    }

    function test_defaults_without_settings_file() {
        startSettings()
        compare(scene.globalSetting_size, 11)
        compare(scene.animation_speed, 800)
        compare(scene.skin_No, 1)
        compare(scene.globalSetting_fontFamily, "Exo")
        compare(scene.globalSetting_stringList.length, 125)
        compare(scene.globalSetting_stringList[114], "ALL SAVE")
        compare(String(scene.globalSetting_color), "#6e6e6e")
        verify(!scene.isCustomBackground)
        // The language menu is offered anyway, on English.
        compare(findChild(page, "languageMenu").currentText, "ENGLISH")
    }

    function test_start_from_stored_list() {
        view.apConfig = stored
        view.strings = ({ "111000": ["Exo2", "OPCIONES"] })
        startSettings()
        compare(scene.skin_No, 2)
        compare(scene.skinPath, "file:modules/img/skin2/")
        compare(scene.animation_speed, 10)
        compare(scene.lang, 1)
        compare(scene.globalSetting_fontFamily, "Exo2")
        compare(scene.globalSetting_stringList[1], "OPCIONES")
        // Texts the language file leaves out keep their built-in English.
        compare(scene.globalSetting_stringList[113], "ALL RESET")
        verify(scene.isCustomBackground)
        compare(scene.customBackgroundUrl, "file:///pics/bg.png")
        compare(scene.globalSetting_size, 12)
        compare(scene.globalSetting_url, "https://example.org/k3")
        compare(page.chosenColor, 3)
        // The dark chosen colour (10, 20, 30) is lifted to stay readable.
        fuzzyCompare(scene.globalSetting_color.r, 0.378, 0.003)
        fuzzyCompare(scene.globalSetting_color.a, 0.5 + 0.5 * 195 / 255, 0.002)
    }

    function test_start_applies_sound_without_playing() {
        view.apConfig = stored
        build()
        scene.initUI()
        compare(view.last("setEnableAudio"), ["setEnableAudio", false])
        compare(view.count("playMedia_Index"), 0)
        compare(view.count("clearAllMedia"), 0)
    }

    function test_saved_false_reads_back_false() {
        var list = stored.slice()
        list[5] = "false"
        view.apConfig = list
        startSettings()
        verify(!scene.isCustomBackground)
        compare(findChild(page, "backgroundMenu").currentIndex, 0)
    }

    function test_apply_writes_32_positions() {
        view.apConfig = stored
        startSettings()
        openSettings()
        clickOn(findChild(page, "applyButton"))
        var saved = view.last("saveApConfig")[1]
        compare(saved.length, 32)
        compare(saved[0], 1)
        compare(saved.slice(1, 5), [2, 1, 1, 1])
        compare(saved[5], true)
        compare(saved[6], "file:///pics/bg.png")
        compare(saved[7], 1)
        compare(saved.slice(8, 11), [0, 255, 255])
        compare(saved.slice(17, 20), [10, 20, 30])
        compare(saved.slice(29), [3, 5, "https://example.org/k3"])
        verify(!scene.globalSettingSelected, "apply closes the settings page")
    }

    function test_menus_take_effect_at_once() {
        startSettings()
        openSettings()
        choose("animationMenu", 1)
        compare(scene.animation_speed, 10)
        choose("soundMenu", 1)
        compare(view.calls.filter(c => c[0] === "setEnableAudio" || c[0] === "clearAllMedia").slice(-2),
                [["setEnableAudio", false], ["clearAllMedia"]])
        choose("soundMenu", 0)
        compare(view.calls.slice(-2), [["setEnableAudio", true], ["playMedia_Index", 0]])
        choose("skinMenu", 1)
        compare(scene.skin_No, 2)
        choose("sizeMenu", 1)
        compare(scene.globalSetting_size, 12)
        view.strings = ({ "111000": ["Exo", "OPCIONES"] })
        var languages = findChild(page, "languageMenu")
        clickOn(languages)
        clickOn(findChild(languages, "entry1"))
        compare(scene.lang, 1)
        compare(scene.globalSetting_stringList[1], "OPCIONES")
    }

    // The switch shows the entry on disk: at start, after a change, and after a change that failed.
    function test_autostart_switch() {
        view.autostart = true
        view.groups = ({ "111000/autostart": { "label": "INICIO" } })
        startSettings()
        openSettings()
        var menu = findChild(page, "autostartMenu")
        compare(menu.currentIndex, 1)
        choose("autostartMenu", 0)
        compare(view.last("setAutostart"), ["setAutostart", false])
        compare(menu.currentIndex, 0)
        view.autostartWritable = false
        choose("autostartMenu", 1)
        compare(menu.currentIndex, 0)
        compare(page.autostartLabel, "AUTOSTART")
        page.chooseLanguage(1)
        compare(page.autostartLabel, "INICIO")
    }

    function test_background_on_asks_for_a_picture() {
        startSettings()
        openSettings()
        choose("backgroundMenu", 1)
        verify(!scene.isCustomBackground, "no picture chosen: stays off")
        compare(findChild(page, "backgroundMenu").currentIndex, 0)
        view.customFilePath = "/home/me/bg.png"
        choose("backgroundMenu", 1)
        verify(scene.isCustomBackground)
        compare(scene.customBackgroundUrl, "file:///home/me/bg.png")
        verify(!item("keyboardPicture").visible)
        choose("backgroundMenu", 0)
        verify(!scene.isCustomBackground)
        verify(item("keyboardPicture").visible)
    }

    function test_reset_order() {
        view.apConfig = stored
        view.apConfigDefaults = [1, "1", "0", "0", "0", "false", "", "0"]
        startSettings()
        openSettings()
        clickOn(findChild(page, "resetButton"))
        var names = view.names()
        var at = names.indexOf("setEnableAudio")
        compare(view.calls[at], ["setEnableAudio", false])
        compare(names.slice(at, at + 4), ["setEnableAudio", "clearAllMedia", "resetApconfig", "loadApConfig"])
        // The defaults switch sound on again; the background track starts last.
        compare(view.last("setEnableAudio"), ["setEnableAudio", true])
        compare(view.calls[view.calls.length - 1], ["playMedia_Index", 0])
        compare(scene.skin_No, 1)
        compare(scene.animation_speed, 800)
    }

    // The brightness keeps its steps above a floor of half opacity, so no choice hides the texts.
    function test_brightness_opacity_data() {
        return [{ tag: "0", position: 0, value: 45 }, { tag: "3", position: 3, value: 135 },
                { tag: "6", position: 6, value: 225 }, { tag: "7", position: 7, value: 255 }]
    }

    function test_brightness_opacity(data) {
        view.apConfig = stored
        startSettings()
        page.chooseBrightness(data.position)
        fuzzyCompare(scene.globalSetting_color.a, 0.5 + 0.5 * data.value / 255, 0.002)
    }

    function test_brightness_slider_by_mouse_reaches_six() {
        startSettings()
        openSettings()
        var slider = findChild(page, "brightnessSlider")
        mouseClick(slider, slider.width - 1, slider.height / 2)
        compare(page.brightnessPosition, 6)
        mouseClick(slider, 0, slider.height / 2)
        compare(page.brightnessPosition, 0)
        mouseClick(slider, 54, slider.height / 2)
        compare(page.brightnessPosition, 2)
    }

    // The shipped text colour follows the skin; a colour of the user's own stays.
    function test_text_colour_follows_the_skin() {
        startSettings()
        page.chooseSkin(2)
        compare(String(scene.skinAccent), "#ff3d4a")
        fuzzyCompare(scene.globalSetting_color.r, 1, 0.002)
        fuzzyCompare(scene.globalSetting_color.g, 0x3d / 255, 0.002)
        page.setChosenRgb(255, 200, 150)
        page.chooseSkin(1)
        fuzzyCompare(scene.globalSetting_color.b, 150 / 255, 0.002)
    }

    function test_palette_editor() {
        view.apConfig = stored
        startSettings()
        page.choosePaletteEntry(1)
        compare(page.chosenRgb, [255, 200, 150])
        var strip = findChild(page, "colorStrip")
        compare(strip.colorAt(0, 97), [0, 0, 0])
        compare(strip.colorAt(18, 97), [255, 128, 0])
        compare(strip.colorAt(36, 97), [0, 255, 0])
        compare(strip.colorAt(90, 97), [128, 128, 128])
        compare(strip.colorAt(96, 97), [0, 0, 0])
        page.setChosenRgb(0, 0, 255)
        compare(page.textPalette[1], [0, 0, 255])
        fuzzyCompare(scene.globalSetting_color.b, 1, 0.002)
        page.setChosenComponent(0, 128)
        compare(page.textPalette[1], [128, 0, 255])
        compare(page.textPalette[0], [0, 255, 255], "other entries stay")
    }

    function test_single_skin_hides_skin_menu() {
        startSettings()
        openSettings()
        var shown = findChild(page, "soundRow").y
        view.skinShow = false
        page.initUI()
        verify(!findChild(page, "skinRow").visible)
        tryCompare(findChild(page, "soundRow"), "y", shown - 11)
    }

    function test_short_or_odd_stored_list_keeps_defaults() {
        // An older list: skin and sound only; then one naming a language and a colour that do not exist.
        view.apConfig = [1, "2", "1"]
        startSettings()
        compare(scene.skin_No, 2)
        compare(scene.animation_speed, 800)
        compare(scene.globalSetting_size, 11)
        compare(findChild(page, "languageMenu").currentText, "ENGLISH")
        view.apConfig = [1, "1", "0", "0", "9", "false", "", "0"].concat(stored.slice(8, 29), ["12", "99", ""])
        page.initUI()
        compare(findChild(page, "languageMenu").currentText, "ENGLISH")
        compare(page.chosenColor, 6)
        compare(page.brightnessPosition, 7)
        compare(page.configList().length, 32)
    }

    // Every change is stored at once; a second rule for an application changes the first.
    function test_app_profile_rules() {
        startSettings()
        openSettings()
        scene.profile = 2
        clickOn(item("appProfilesOpener"))
        verify(item("appProfilesManual").visible, "the page says switching needs X11 or Plasma")
        var windows = item("appProfilesWindows")
        clickOn(windows)
        clickOn(findChild(windows, "entry0"))
        clickOn(item("appProfilesAdd"))
        compare(view.appProfiles.rules, [{ application: "Steam", profile: 2 }])
        item("appProfilesName").text = " STEAM "
        scene.profile = 0
        clickOn(item("appProfilesAdd"))
        compare(view.appProfiles.rules, [{ application: "Steam", profile: 0 }])
        clickOn(findChild(item("appProfilesSwitch"), "choice1"))
        verify(view.appProfiles.enabled)
        clickOn(item("appProfilesRemove0"))
        compare(view.appProfiles.rules, [])
        compare(view.count("saveAppProfiles"), 4)
    }
}
