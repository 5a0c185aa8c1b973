import QtQuick
import QtTest
import "qrc:/modules/qml/common"
import "qrc:/modules/qml/K3/ColorLogic.js" as Logic

ColorStage {
    id: stage

    ColorStrip {
        id: bareStrip

        height: 801
    }

    TestCase {
        id: test

        readonly property var page: stage.page
        readonly property var view: stage.view
        readonly property var keyboard: findChild(stage.page, "keyboard")

        name: "PageColor"
        when: windowShown

        function calls(name) {
            return view.calls.filter(call => call[0] === name)
        }

        function picture(fill) {
            var p = []
            for (var i = 0; i < 384; ++i)
                p.push(fill)
            return p
        }

        // A fresh page: the stage's keyboard and an empty profile, shown, with STATIC chosen.
        function init() {
            stage.lang = 0
            stage.profile = 0
            stage.disableTongbu = 0
            stage.globalSetting_stringList = []
            view.color = []
            view.pictures = {}
            view.ledType = []
            view.langTables = {}
            stage.names.initUI(stage.table(stage.rows), [], [])
            page.initUI(true, stage.table(stage.rows))
            page.translateStrings()
            page.resetValues()
            page.chooseEffect(0x00)
            page.playEffect(true)
            view.calls = []
            stage.locks = []
        }

        function cleanup() {
            page.playEffect(false)
        }

        function test_apply_static_sends_colour_index_7() {
            page.chooseColourIndex(3)
            page.apply()
            compare(stage.locks, [1600])
            compare(stage.disableTongbu, 2)
            compare(view.sent().map(call => call[0]),
                    ["ui_30H_SetColor", "ui_12H_SetUserPicture", "ui_12H_SetUserPicture",
                     "ui_12H_SetUserPicture", "ui_12H_SetUserPicture", "ui_12H_SetUserPicture",
                     "ui_08H_SetLEDType"])
            compare(calls("ui_30H_SetColor")[0][1], Logic.DEFAULT_PALETTE)
            compare(calls("ui_12H_SetUserPicture").map(call => [call[1], call[2]]),
                    [[0, 255], [1, 255], [2, 255], [3, 255], [4, 255]])
            compare(calls("ui_08H_SetLEDType")[0].slice(1), [0x00, 63, 3, 0, 7, 0])
        }

        function test_apply_user_picture_sends_only_that_picture() {
            page.chooseFirstMenu(Logic.MENU_PAINTING)
            page.choosePicture(1)
            var p2 = picture(0)
            p2[0] = 200
            page.pictures = [picture(1), p2, picture(3), picture(4), picture(5)]
            page.chooseColourIndex(4)
            page.apply()
            var pictures = calls("ui_12H_SetUserPicture")
            compare(pictures.map(call => [call[1], call[2], call[3][0]]),
                    [[0, 255, 1], [1, 0, 200], [2, 255, 3], [3, 255, 4], [4, 255, 5]])
            compare(view.sent()[6][0], "ui_08H_SetLEDType")
            compare(calls("ui_08H_SetLEDType")[0].slice(1), [0x34, 63, 3, 0, 4, 0])
        }

        function test_apply_values_of_the_controls() {
            page.chooseEffect(0x06)
            page.direction = 2
            page.chooseSpeed(0)
            page.apply()
            compare(calls("ui_08H_SetLEDType")[0].slice(1), [0x06, 63, 7, 1, 5, 0])
        }

        function test_apply_without_effect_sends_no_effect() {
            page.chooseFirstMenu(Logic.MENU_PAINTING)
            page.apply()
            compare(calls("ui_30H_SetColor").length, 1)
            compare(calls("ui_12H_SetUserPicture").map(call => call[2]), [255, 255, 255, 255, 255])
            compare(calls("ui_08H_SetLEDType").length, 0)
            compare(stage.disableTongbu, 0, "no report of an effect is to come")
        }

        function test_brightness_slider_positions() {
            var slider = findChild(page, "brightnessSlider")
            page.setBrightnessPosition(7)
            page.send()
            compare(calls("ui_08H_SetLEDType")[0][2], 63)
            mouseClick(slider, 119, slider.height / 2)
            compare(slider.position, 6)
            mouseClick(slider, 150, slider.height / 2)
            compare(slider.position, 6, "the mouse never reaches 7")
            page.send()
            compare(calls("ui_08H_SetLEDType")[1][2], 54)
            mouseClick(slider, 21, slider.height / 2)
            page.send()
            compare(calls("ui_08H_SetLEDType")[2][2], 0)
            compare(page.controller.engine.a[0], 0, "level 0 preview is dark")
        }

        function test_speed_slider_mouse_and_device() {
            var slider = findChild(page, "speedSlider")
            mouseClick(slider, 21, slider.height / 2)
            compare(page.speedLevel, 7)
            mouseClick(slider, 119, slider.height / 2)
            compare(page.speedLevel, 1)
            page.tongbu(0x01, 63, 7)
            compare(slider.position, 1)
            compare(page.speedLevel, 7)
            page.tongbu(0x01, 63, 1)
            compare(slider.position, 7)
            compare(page.speedLevel, 1)
            page.tongbu(0x01, 63, 0)
            compare(slider.position, 7)
            page.tongbu(0x01, 63, 4)
            compare(slider.position, 4)
            compare(page.controller.interval, 96)
        }

        function test_reset_per_profile_sends_nothing() {
            stage.profile = 2
            page.chooseEffect(0x02)
            page.chooseColourIndex(1)
            page.setEditorColour([1, 2, 3])
            page.direction = 2
            page.chooseBrightness(2)
            page.reset()
            compare(stage.locks, [800])
            compare(view.sent(), [])
            compare(page.firstMenu, Logic.MENU_EFFECTS)
            compare(page.effectCode, 0x07)
            compare(findChild(page, "effectMenu").currentText, "NEON")
            compare(page.paletteColours, Logic.DEFAULT_PALETTE)
            compare(page.colourIndex, 5)
            compare(page.editorColour, [255, 0, 255], "the editor shows the chosen entry")
            compare(findChild(page, "speedSlider").position, 5)
            compare(page.speedLevel, 3)
            compare(page.brightnessLevel, 7)
            compare(page.direction, 1)
            compare(page.pictures[4], picture(0))
            var effects = []
            for (var p = 0; p < 4; ++p) {
                stage.profile = p
                page.resetValues()
                effects.push(page.effectCode)
            }
            compare(effects, [0x00, 0x09, 0x07, 0x06])
        }

        function test_reports_after_apply_are_ignored() {
            page.chooseEffect(0x05)
            page.apply()
            page.tongbu(0x07, 9, 2)
            compare(page.effectCode, 0x05)
            page.tongbu(0x07, 9, 2)
            compare(page.effectCode, 0x05)
            compare(stage.disableTongbu, 0)
            page.tongbu(0x07, 9, 2)
            compare(page.effectCode, 0x07)
            compare(page.brightnessLevel, 1)
            compare(findChild(page, "speedSlider").position, 6)
            compare(page.controller.effect, 0x07, "preview restarted")
        }

        function test_device_picture_and_unknown_effects() {
            page.tongbu(0x36, 27, 3)
            compare(page.firstMenu, Logic.MENU_PAINTING)
            compare(page.pictureMenu, 3)
            compare(page.brightnessLevel, 3)
            page.tongbu(0x40, 200, 3)
            compare(page.firstMenu, -1)
            compare(page.effectCode, -1)
            compare(page.brightnessLevel, 3, "brightness beyond 63 is not shown")
        }

        function test_sync_from_profile() {
            view.color = ["10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "110", "120",
                          "130", "140", "150", "160", "170", "180", "190", "200", "210"]
            var stored = []
            for (var i = 0; i < 384; ++i)
                stored.push(String(i % 256))
            view.pictures = { 2: stored }
            view.ledType = ["53", "27", "2", "1", "3", "0"]
            page.initUI()
            compare(page.paletteColours[20], 210)
            compare(page.pictures[2][300], 44)
            compare(page.pictures[1], picture(0), "absent pictures stay")
            compare(page.firstMenu, Logic.MENU_PAINTING)
            compare(page.pictureMenu, 2)
            compare(page.brightnessLevel, 3)
            compare(findChild(page, "speedSlider").position, 6)
            compare(page.speedLevel, 2)
            compare(page.direction, 2)
            compare(page.colourIndex, 3)
            compare(page.editorColour, [100, 110, 120])

            view.ledType = ["4", "99", "7", "0", "7", "0"]
            stage.disableTongbu = 1
            page.initUI()
            compare(page.effectCode, 0x04)
            compare(page.brightnessLevel, 3, "brightness beyond 63 leaves the slider")
            compare(page.speedLevel, 2, "speed kept while reports are blocked")
            compare(page.direction, 1)
            compare(page.colourIndex, 7)
            compare(page.editorColour, [10, 20, 30], "no stale values from before")

            view.color = []
            view.pictures = {}
            view.ledType = []
            page.initUI()
            compare(page.paletteColours[20], 210, "an empty profile changes nothing")
            compare(page.effectCode, 0x04)
        }

        function test_painting_marks_exactly_the_touched_keys() {
            page.chooseFirstMenu(Logic.MENU_PAINTING)
            page.choosePicture(0)
            page.setEditorColour([12, 34, 56])
            // From inside Esc to the right edge of F1 (x 70), down to the top edge of row 1.
            mousePress(keyboard, 10, 10)
            mouseMove(keyboard, 70, 40, -1, Qt.LeftButton)
            verify(keyboard.keyItem(1).framed, "F1 is framed while the rectangle touches it")
            verify(!keyboard.keyItem(2).framed)
            mouseRelease(keyboard, 70, 40)
            verify(!keyboard.keyItem(1).framed, "frames go with the rectangle")
            var p = page.pictures[0]
            var painted = []
            for (var k = 0; k < 128; ++k) {
                if (p[3 * k] === 12 && p[3 * k + 1] === 34 && p[3 * k + 2] === 56)
                    painted.push(k)
            }
            compare(painted, [0, 1, 16, 17])
            compare(page.controller.engine.r[4], 12, "the preview shows the painted picture")
        }

        function test_space_bar_shows_no_frame_nor_colour() {
            page.chooseFirstMenu(Logic.MENU_PAINTING)
            page.choosePicture(0)
            page.setEditorColour([10, 20, 30])
            mousePress(keyboard, 5, 85)
            mouseMove(keyboard, 45, 95, -1, Qt.LeftButton)
            var space = keyboard.keyItem(6)
            var fn = keyboard.keyItem(7)
            verify(findChild(fn, "frame").visible)
            verify(!findChild(space, "frame").visible)
            mouseRelease(keyboard, 45, 95)
            compare(page.pictures[0].slice(3 * 85, 3 * 85 + 3), [10, 20, 30], "painted all the same")
            verify(!findChild(space, "litLabel").visible)
            compare(findChild(fn, "litLabel").color, Qt.rgba(10 / 255, 20 / 255, 30 / 255, 1))
        }

        function test_no_painting_under_effects() {
            mousePress(keyboard, 10, 10)
            mouseRelease(keyboard, 70, 70)
            compare(page.pictures[0], picture(0))
        }

        function test_strip_bands_at_their_boundaries() {
            // 801 pixels high: band b starts at y = 100 b.
            var expected = [[0, 0, 0], [255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255],
                            [0, 0, 255], [255, 0, 255], [255, 255, 255], [0, 0, 0]]
            for (var b = 0; b <= 8; ++b)
                compare(bareStrip.colorAt(100 * b, 801), expected[b], "band " + b)
            compare(bareStrip.colorAt(150, 801), [255, 128, 0])
            compare(bareStrip.colorAt(799, 801), [3, 3, 3])
        }

        function test_strip_and_fields_edit_the_chosen_entry() {
            page.chooseColourIndex(2)
            var editor = findChild(page, "editor")
            var strip = editor.children[0]
            mouseClick(strip, strip.width / 2, 0)
            compare(page.editorColour, [0, 0, 0])
            compare(page.paletteColours.slice(6, 9), [0, 0, 0])
            // 76 high: y 38 is band 4 (cyan to blue), c = 38 / 75 * 8 - 4.
            mouseClick(strip, strip.width / 2, 38)
            compare(page.paletteColours.slice(6, 9), [0, 241, 255])
            page.editComponent(1, 77)
            compare(page.paletteColours.slice(6, 9), [0, 77, 255])
            page.chooseColourIndex(7)
            page.setEditorColour([9, 9, 9])
            compare(page.paletteColours.slice(6, 9), [0, 77, 255], "LOOP edits no entry")
            page.chooseColourIndex(0)
            compare(page.editorColour, [255, 0, 0], "clicking an entry shows its colour")
        }

        function test_typing_a_field_updates_the_entry() {
            page.chooseColourIndex(1)
            var editor = findChild(page, "editor")
            var green = editor.children[1].children[1]
            var input = green.children[1].children[0]
            mouseClick(input)
            input.selectAll()
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_2)
            compare(page.paletteColours.slice(3, 6), [0, 12, 0])
            compare(page.controller.engine.palette[4], 12)
            // Past 255 the field shows and uses 255 as typed; a fourth digit is refused.
            input.selectAll()
            for (var key of [Qt.Key_3, Qt.Key_0, Qt.Key_0, Qt.Key_9])
                keyClick(key)
            compare(input.text, "255")
            compare(page.paletteColours.slice(3, 6), [0, 255, 0])
        }

        function test_controls_follow_the_effect() {
            var wheel = findChild(page, "directionWheel")
            var palette = findChild(page, "palette")
            page.chooseEffect(0x06)
            verify(wheel.enabled)
            verify(!palette.enabled)
            page.chooseEffect(0x05)
            verify(!wheel.enabled)
            verify(palette.enabled)
            page.chooseFirstMenu(Logic.MENU_PAINTING)
            page.choosePicture(0)
            verify(!findChild(page, "speedSlider").enabled)
            verify(findChild(page, "brightnessSlider").enabled)
            mouseClick(findChild(page, "firstMenu"), 170, 13)
            compare(page.firstMenu, Logic.MENU_EFFECTS)
            compare(page.effectCode, -1, "a first-menu choice clears the second menus")
            page.tongbu(0x34, 63, 3)
            compare(findChild(page, "firstMenu").currentIndex, Logic.MENU_PAINTING,
                    "the menus follow the page after a click")
        }

        function test_menu_texts_from_the_language() {
            var list = []
            list[6] = "PINTURA"
            list[20] = "NEÓN"
            stage.globalSetting_stringList = list
            page.translateStrings()
            compare(findChild(page, "firstMenu").model, ["PINTURA", "EFFECTS"])
            page.chooseEffect(0x07)
            compare(findChild(page, "effectMenu").currentText, "NEÓN")
        }

        function test_preview_runs_only_while_shown() {
            page.chooseEffect(0x09)
            verify(page.controller.ticking)
            compare(page.controller.interval, 25)
            page.playEffect(false)
            verify(!page.controller.ticking)
            compare(page.controller.effect, -1)
            page.playEffect(true)
            compare(page.controller.effect, 0x09)
            page.chooseFirstMenu(Logic.MENU_PAINTING)
            page.choosePicture(2)
            verify(!page.controller.ticking, "a still picture needs no timer")
        }

        function test_key_presses_feed_reactive_effects() {
            page.chooseEffect(0x03)
            stage.keyboardItem.msg_KB(true, 5)
            compare(page.controller.engine.a[4], 255, "usage 5 is key B at position 17")
            compare(keyboard.keyItem(4).lightOpacity, 1)
            stage.keyboardItem.msg_KB(true, 200)
            stage.keyboardItem.msg_KB(false, 4)
            compare(page.controller.engine.a[3], 0, "releases and unknown codes light nothing")
            page.playEffect(false)
            stage.keyboardItem.msg_KB(true, 4)
            compare(page.controller.engine.a[3], 0, "a hidden page ignores the keyboard")
        }

        function test_preview_colours_reach_the_keys() {
            page.chooseEffect(0x07)
            page.controller.tick()
            var key = keyboard.keyItem(0)
            compare(key.lightColor, Qt.rgba(1, 0, 0, 1))
            compare(findChild(key, "litLabel").color, Qt.rgba(1, 0, 0, 1))
            compare(key.lightOpacity, 1)
        }

        function test_colour_names_stay_right_past_the_cache_limit() {
            var limit = keyboard.maxColourNames
            for (var rgb = 0; rgb < limit + 10; ++rgb)
                keyboard.colourName(rgb * 97)
            verify(keyboard.colourNames.size <= limit)
            compare(keyboard.colourName(0x0a141e), "#0a141e")
            compare(keyboard.colourName(0xffffff), "#ffffff")
            compare(keyboard.colourName(0), "#000000")
        }

        function test_ticks_faster_than_frames_show_the_latest() {
            // Neon without its own timer: only these ticks move it.
            page.playEffect(false)
            page.controller.engine.start(0x07)
            // Let a frame still pending from before pass.
            wait(50)
            var key = keyboard.keyItem(0)
            page.controller.tick()
            compare(key.lightColor, Qt.rgba(1, 0, 0, 1))
            page.controller.tick()
            page.controller.tick()
            compare(key.lightColor, Qt.rgba(1, 0, 0, 1), "not before the next frame")
            tryCompare(key, "lightColor", Qt.rgba(249 / 255, 0, 6 / 255, 1), 200)
        }

        // A frame that kept the timer waiting: the ticks it owes run at once, a few at most.
        function test_a_late_timer_runs_the_ticks_it_owes() {
            page.chooseEffect(0x07)
            var controller = page.controller
            var interval = controller.interval
            var before = controller.tickCount
            controller.dueAt = Date.now() - 2 * interval - 1
            controller.timerTriggered()
            compare(controller.tickCount, before + 3)
            controller.dueAt = Date.now() - 100 * interval
            controller.timerTriggered()
            compare(controller.tickCount, before + 3 + controller.maxCatchUp)
            verify(controller.dueAt > Date.now(), "after a long stall the effect goes on from now")
        }

        function test_language_renames_keys() {
            var spanish = stage.table([[0, 0, 1, "ESC", 0, 41], [0, 0, 1, "IMPNTPTSIS", 13, 70],
                                       [0, 0, 1, "Espacio", 85, 44]])
            view.langTables = { 1: spanish }
            page.changeLanguage(1)
            compare(keyboard.keys[0].name, "ESC")
            compare(keyboard.keys[8].name, "IMPNTPTSIS")
            compare(keyboard.keys[1].name, "F1")
            page.changeLanguage(0)
            compare(keyboard.keys[0].name, "ESC", "an empty table renames nothing")
        }

        function test_apply_all_and_reset_all_take_no_lock() {
            stage.btnTotalApplyClicked()
            compare(calls("ui_08H_SetLEDType").length, 1)
            stage.btnTotalResetClicked()
            compare(stage.locks, [])
        }
    }
}
