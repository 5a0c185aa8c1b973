import QtQuick
import "../common"
import "ColorLogic.js" as Logic

// Lighting: choose the keyboard's effect with its brightness, speed, direction and colour,
// edit the seven-colour palette, paint five per-key pictures, watch a preview of the effect
// on the drawn keyboard, and send it all to the keyboard on Apply.
Item {
    id: page

    // First menu: PAINTING (0) or EFFECTS (1); -1 for none. Each has its own second menu.
    property int firstMenu: Logic.MENU_EFFECTS
    property int pictureMenu: -1
    property int effectMenu: 0x00
    readonly property int effectCode: Logic.effectCode(firstMenu, firstMenu === Logic.MENU_PAINTING
                                                                  ? pictureMenu : effectMenu)
    // Seven colours × (red, green, blue).
    property var paletteColours: Logic.DEFAULT_PALETTE.slice()
    // Palette entry of the effect; 7 is LOOP.
    property int colourIndex: 6
    property int brightnessLevel: 7
    property int speedLevel: 3
    // 1 right, 2 left.
    property int direction: 1
    // Five pictures of 384 values: key position k at 3k (red), 3k + 1, 3k + 2.
    property var pictures: [Logic.zeroPicture(), Logic.zeroPicture(), Logic.zeroPicture(),
                            Logic.zeroPicture(), Logic.zeroPicture()]
    // Colour of the palette editor, [red, green, blue].
    property var editorColour: Logic.paletteColour(Logic.DEFAULT_PALETTE, 6)
    // The preview runs only while the page is shown.
    property bool previewOn: false
    property var strings: []
    readonly property string skinFolder: "file:modules/img/skin" + skin_No + "/"
    readonly property bool paintingAllowed: firstMenu === Logic.MENU_PAINTING && pictureMenu >= 0
    readonly property alias keyboard: keyboard
    readonly property alias controller: controller

    // initUI(true, table) builds the preview keyboard once; every call re-reads the profile.
    function initUI(isFirst, table) {
        if (isFirst) {
            keyboard.build(table)
            controller.build()
        }
        syncFromProfile()
    }

    // Values of the current profile file; lists the profile lacks leave the page as it is.
    function syncFromProfile() {
        var colours = Logic.numbersOf(ui_View.ui_B0H_GetColor(), 21)
        if (colours)
            paletteColours = colours
        var read = pictures.slice()
        for (var i = 0; i < Logic.PICTURE_COUNT; ++i) {
            var picture = Logic.numbersOf(ui_View.ui_92H_GetUserPicture(i), Logic.PICTURE_VALUES)
            if (picture)
                read[i] = picture
        }
        pictures = read
        var led = Logic.numbersOf(ui_View.ui_88H_GetLEDType(), 6)
        if (!led)
            return
        showEffect(led[0])
        var position = Logic.brightnessPosition(led[1])
        if (position >= 0)
            setBrightnessPosition(position)
        if (mainScene.disableTongbu === 0)
            setSpeedPosition(Logic.speedPositionFromProfile(led[2]))
        direction = Logic.directionOfDevice(led[3])
        colourIndex = led[4]
        // The editor never keeps values of the profile shown before: with LOOP it shows entry 0.
        editorColour = Logic.paletteColour(paletteColours, colourIndex < Logic.LOOP_INDEX ? colourIndex : 0)
    }

    // Values the keyboard reports; the reports that follow an apply are ignored.
    function tongbu(effect, brightness, speed) {
        if (mainScene.disableTongbu > 0) {
            mainScene.disableTongbu = mainScene.disableTongbu - 1
            return
        }
        showEffect(Number(effect))
        var position = Logic.brightnessPosition(Number(brightness))
        if (position >= 0)
            setBrightnessPosition(position)
        setSpeedPosition(Logic.speedPositionFromDevice(Number(speed)))
        restartPreview()
    }

    function showEffect(code) {
        var menus = Logic.menusOfEffect(code)
        firstMenu = menus.first
        pictureMenu = menus.first === Logic.MENU_PAINTING ? menus.second : -1
        effectMenu = menus.first === Logic.MENU_EFFECTS ? menus.second : -1
    }

    function playEffect(isOn) {
        previewOn = isOn
        restartPreview()
    }

    function restartPreview() {
        controller.start(previewOn ? effectCode : Logic.NO_EFFECT)
    }

    function changeLanguage(lang) {
        var table = ui_View.loadLangName(lang)
        if (table && table.length > 0)
            keyboard.rename(table)
    }

    function translateStrings() {
        strings = globalSetting_stringList
    }

    function controlMenu() {
        pictureDropMenu.close()
        effectDropMenu.close()
    }

    function chooseFirstMenu(index) {
        firstMenu = index
        pictureMenu = -1
        effectMenu = -1
        restartPreview()
    }

    function choosePicture(index) {
        pictureMenu = index
        restartPreview()
    }

    function chooseEffect(index) {
        effectMenu = index
        restartPreview()
    }

    // The mouse reaches slider positions 0..6: brightness p, speed 7 - p.
    function chooseBrightness(position) {
        brightnessSlider.position = position
        brightnessLevel = position
    }

    function chooseSpeed(position) {
        speedSlider.position = position
        speedLevel = Logic.speedLevelOfMouse(position)
    }

    function setBrightnessPosition(position) {
        brightnessSlider.position = position
        brightnessLevel = position
    }

    function setSpeedPosition(position) {
        speedSlider.position = position
        speedLevel = Logic.speedLevelOfPosition(position)
    }

    function chooseColourIndex(index) {
        colourIndex = index
        if (index < Logic.LOOP_INDEX)
            editorColour = Logic.paletteColour(paletteColours, index)
    }

    function setEditorColour(rgb) {
        editorColour = rgb
        if (colourIndex < 0 || colourIndex >= Logic.LOOP_INDEX)
            return
        var colours = paletteColours.slice()
        colours[3 * colourIndex] = rgb[0]
        colours[3 * colourIndex + 1] = rgb[1]
        colours[3 * colourIndex + 2] = rgb[2]
        paletteColours = colours
    }

    function editComponent(component, value) {
        var rgb = editorColour.slice()
        rgb[component] = value
        setEditorColour(rgb)
    }

    // The painted keys of the shown picture take the editor's colour.
    function paint(positions) {
        if (!paintingAllowed)
            return
        var picture = pictures[pictureMenu].slice()
        for (var i = 0; i < positions.length; ++i) {
            var k = positions[i]
            if (k < 0 || 3 * k + 2 >= picture.length)
                continue
            picture[3 * k] = editorColour[0]
            picture[3 * k + 1] = editorColour[1]
            picture[3 * k + 2] = editorColour[2]
        }
        var all = pictures.slice()
        all[pictureMenu] = picture
        pictures = all
    }

    function apply() {
        mainScene.setProtectUI(1600)
        controlMenu()
        send()
    }

    // Colours, the five pictures (only the shown one goes to the keyboard, the others are
    // kept in the profile), then the effect. Without an effect chosen none is sent: the
    // keyboard would get the effect byte 0xFF.
    function send() {
        var code = effectCode
        if (code !== Logic.NO_EFFECT)
            mainScene.disableTongbu = 2
        ui_View.ui_30H_SetColor(paletteColours.slice())
        for (var i = 0; i < Logic.PICTURE_COUNT; ++i) {
            if (code === Logic.PICTURE_FIRST + i)
                ui_View.ui_12H_SetUserPicture(pictureMenu, 0, pictures[i])
            else
                ui_View.ui_12H_SetUserPicture(i, 255, pictures[i])
        }
        if (code !== Logic.NO_EFFECT) {
            ui_View.ui_08H_SetLEDType(code, Logic.deviceBrightness(brightnessLevel), speedLevel,
                                      Logic.deviceDirection(direction),
                                      code === 0x00 ? Logic.LOOP_INDEX : colourIndex, 0)
        }
        restartPreview()
    }

    function reset() {
        mainScene.setProtectUI(800)
        controlMenu()
        resetValues()
    }

    // Nothing is sent until the next apply.
    function resetValues() {
        paletteColours = Logic.DEFAULT_PALETTE.slice()
        pictures = [Logic.zeroPicture(), Logic.zeroPicture(), Logic.zeroPicture(),
                    Logic.zeroPicture(), Logic.zeroPicture()]
        firstMenu = Logic.MENU_EFFECTS
        pictureMenu = -1
        effectMenu = Logic.RESET_EFFECTS[Math.min(Math.max(profile, 0), 3)]
        setSpeedPosition(5)
        setBrightnessPosition(7)
        direction = 1
        chooseColourIndex(5)
        restartPreview()
    }

    width: 792
    height: 442

    Connections {
        target: mainScene

        function onBtnTotalApplyClicked() {
            page.send()
        }

        function onBtnTotalResetClicked() {
            page.resetValues()
        }
    }

    Image {
        id: background

        anchors.fill: parent
        source: page.skinFolder + "list_center/fnColorBackground.png"
        // Hidden at start: decoded off the GUI thread while the window comes up.
        asynchronous: true
    }

    Item {
        id: effectColumn

        x: 20
        y: 16
        width: 232
        height: 120
        z: 2

        ButtonGroup {
            id: firstMenuGroup
            objectName: "firstMenu"

            width: parent.width
            height: 26
            model: Logic.texts(page.strings, 6, 2)
            currentIndex: page.firstMenu
            // The group keeps its own choice; the page's state decides what it shows.
            onActivated: index => {
                page.chooseFirstMenu(index)
                currentIndex = Qt.binding(() => page.firstMenu)
            }
        }

        DropMenu {
            id: pictureDropMenu
            objectName: "pictureMenu"

            y: 36
            width: parent.width
            height: 24
            visible: page.firstMenu === Logic.MENU_PAINTING
            model: Logic.texts(page.strings, 8, Logic.PICTURE_COUNT)
            currentIndex: page.pictureMenu
            onActivated: index => {
                page.choosePicture(index)
                currentIndex = Qt.binding(() => page.pictureMenu)
            }
        }

        DropMenu {
            id: effectDropMenu
            objectName: "effectMenu"

            y: 36
            width: parent.width
            height: 24
            visible: page.firstMenu === Logic.MENU_EFFECTS
            model: Logic.texts(page.strings, 13, Logic.EFFECT_COUNT)
            currentIndex: page.effectMenu
            onActivated: index => {
                page.chooseEffect(index)
                currentIndex = Qt.binding(() => page.effectMenu)
            }
        }

        Text {
            id: directionLabel

            anchors.verticalCenter: directionWheel.verticalCenter
            text: Logic.text(page.strings, 5)
            opacity: directionWheel.enabled ? 1.0 : 0.35
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            font.bold: true
            color: globalSetting_color_disable
        }

        ColorDirectionWheel {
            id: directionWheel
            objectName: "directionWheel"

            anchors.right: parent.right
            y: 76
            width: 76
            height: 28
            enabled: Logic.isDirectionUsable(page.effectCode)
            direction: page.direction
            onChosen: d => page.direction = d
        }
    }

    Column {
        id: sliderColumn

        x: 284
        y: 12
        spacing: 4

        Text {
            text: Logic.text(page.strings, 4)
            opacity: brightnessSlider.enabled ? 1.0 : 0.35
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            font.bold: true
            color: globalSetting_color_disable
        }

        Slider_8 {
            id: brightnessSlider
            objectName: "brightnessSlider"

            position: 7
            enabled: Logic.isBrightnessUsable(page.effectCode)
            onMoved: p => page.chooseBrightness(p)
        }

        Item {
            width: 1
            height: 10
        }

        Text {
            text: Logic.text(page.strings, 3)
            opacity: speedSlider.enabled ? 1.0 : 0.35
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            font.bold: true
            color: globalSetting_color_disable
        }

        Slider_8 {
            id: speedSlider
            objectName: "speedSlider"

            position: 5
            enabled: Logic.isSpeedUsable(page.effectCode)
            onMoved: p => page.chooseSpeed(p)
        }
    }

    Item {
        id: colourColumn

        x: 488
        y: 14
        width: 284
        height: 120

        ColorPalette {
            id: paletteRow
            objectName: "palette"

            enabled: Logic.isPaletteUsable(page.effectCode)
            colours: page.paletteColours
            currentIndex: page.colourIndex
            loopText: Logic.text(page.strings, 2)
            onChosen: index => page.chooseColourIndex(index)
        }

        ColorEditor {
            id: editor
            objectName: "editor"

            y: 38
            enabled: paletteRow.enabled
            colour: page.editorColour
            onPicked: (red, green, blue) => page.setEditorColour([red, green, blue])
            onEdited: (component, value) => page.editComponent(component, value)
        }

        Column {
            id: actions

            anchors.right: parent.right
            y: 38
            spacing: 8

            TextButton {
                id: resetButton
                objectName: "resetButton"

                width: 100
                height: 28
                source: page.skinFolder + "common/reset_0.png"
                hoverSource: page.skinFolder + "common/reset_1.png"
                text: Logic.text(page.strings, 77)
                onClicked: page.reset()
            }

            TextButton {
                id: applyButton
                objectName: "applyButton"

                width: 100
                height: 28
                source: page.skinFolder + "common/apply_0.png"
                hoverSource: page.skinFolder + "common/apply_1.png"
                text: Logic.text(page.strings, 107)
                onClicked: page.apply()
            }
        }
    }

    Item {
        id: keyboardArea

        x: 12
        y: 150
        width: parent.width - 24
        height: parent.height - y - 12

        Model_Color_K3 {
            id: keyboard
            objectName: "keyboard"

            anchors.centerIn: parent
            scale: width > 0 && height > 0
                   ? Math.min(1.0, keyboardArea.width / width, keyboardArea.height / height) : 1.0
            skinFolder: page.skinFolder
            paintEnabled: page.paintingAllowed
            paintColour: Qt.rgba(page.editorColour[0] / 255, page.editorColour[1] / 255,
                                 page.editorColour[2] / 255, 1)
            onPainted: positions => page.paint(positions)
        }
    }

    Effect_Controler_K3 {
        id: controller

        keyboard: keyboard
        level: page.brightnessLevel
        speedLevel: page.speedLevel
        colourIndex: page.colourIndex
        direction: page.direction
        paletteColours: page.paletteColours
        picture: Logic.isPicture(page.effectCode) ? page.pictures[page.effectCode - Logic.PICTURE_FIRST] : null
    }
}
