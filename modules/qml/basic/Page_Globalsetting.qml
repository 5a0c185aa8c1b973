import QtQuick
import "../common"
import "GlobalSettingDefaults.js" as Defaults

// The program's own preferences: skin, sound, animation, language, background and the interface text.
Item {
    id: page

    property int _Size: 11
    property color _Color: "#6e6e6e"
    property color _ColorEnable: "#FFFFFF"
    property color _ColorDisable: "#FFAAAAAA"
    property int _AnimationSpeed: 800
    property int skin_No: 1
    property bool isCustomBackground: false
    property string customBackgroundUrl: ""
    property string _FontFamily: "Exo"
    property var _StringList: Defaults.strings
    property string _Url: "file:modules/guide/index.html"
    property var textPalette: Defaults.palette
    property int chosenColor: 0
    property int brightnessPosition: 7
    property bool skinShown: true
    property var languageNames: []
    property var languageCodes: []
    property var skinNames: ["SKIN 1", "SKIN 2"]
    property var onOffNames: ["ON", "OFF"]
    property var offOnNames: ["OFF", "ON"]
    property var sizeNames: ["NORMAL", "LARGER"]
    property string autostartLabel: "AUTOSTART"
    readonly property var chosenRgb: textPalette[chosenColor]

    function initUI() {
        var L = ui_View.loadApConfig()
        fillLanguages()
        if (L.length > 0)
            applyConfig(L)
        skinShown = ui_View.getIsSkinShow()
        showAutostart()
    }

    // Positions missing from an older, shorter list keep their current values.
    function applyConfig(L) {
        var has = i => i < L.length
        if (has(1))
            chooseSkin(Math.max(Number(L[1]) || 1, 1))
        if (has(2)) {
            soundMenu.currentIndex = Number(L[2])
            ui_View.setEnableAudio(Number(L[2]) === 0)
        }
        if (has(3))
            chooseAnimation(Number(L[3]))
        if (has(4)) {
            setLanguage(Number(L[4]))
            mainScene.lang = Number(L[4])
        }
        if (has(5)) {
            isCustomBackground = Defaults.toBool(L[5])
            backgroundMenu.currentIndex = isCustomBackground ? 1 : 0
        }
        if (has(6))
            customBackgroundUrl = String(L[6])
        if (has(7))
            chooseSize(Number(L[7]))
        if (has(28)) {
            var colours = []
            for (var i = 0; i < 7; ++i)
                colours.push([Number(L[8 + 3 * i]), Number(L[9 + 3 * i]), Number(L[10 + 3 * i])])
            textPalette = colours
        }
        if (has(29))
            chosenColor = Math.min(Math.max(Number(L[29]), 0), 6)
        if (has(30))
            brightnessPosition = Math.min(Math.max(Number(L[30]), 0), 7)
        if (has(31))
            _Url = String(L[31])
        updateTextColor()
    }

    function fillLanguages() {
        var map = ui_View.chkLanguages()
        var names = Object.keys(map)
        languageNames = names
        languageCodes = names.map(name => String(map[name]))
        languageMenu.currentIndex = languageCodes.indexOf(Defaults.englishCode)
    }

    function setLanguage(index) {
        if (index < 0 || index >= languageCodes.length)
            return
        languageMenu.currentIndex = index
        var code = languageCodes[index]
        _StringList = Defaults.mergedStrings(ui_View.getGlobalStrings(code))
        mainScene.translateStrings(code)
        _FontFamily = _StringList[0]
        autostartLabel = ui_View.getLanguageGroup(code, "autostart").label || "AUTOSTART"
    }

    function translateStrings() {
        skinNames = [_StringList[39], _StringList[40]]
        onOffNames = [_StringList[31], _StringList[32]]
        offOnNames = [_StringList[32], _StringList[31]]
        sizeNames = [_StringList[37], _StringList[38]]
    }

    function chooseSkin(skin) {
        skinMenu.currentIndex = skin - 1
        skin_No = skin
        mainScene.setSkin()
        updateTextColor()
    }

    function chooseSound(position) {
        var on = position === 0
        ui_View.setEnableAudio(on)
        if (on)
            ui_View.playMedia_Index(0)
        else
            ui_View.clearAllMedia()
    }

    function chooseAnimation(position) {
        animationMenu.currentIndex = position
        _AnimationSpeed = position === 0 ? 800 : 10
    }

    function chooseLanguage(position) {
        setLanguage(position)
        mainScene.lang = position
    }

    // Turning the background on asks for a picture unless one was chosen before.
    function chooseBackground(position) {
        if (position === 1) {
            var path = ui_View.getCustomFilePath()
            if (path !== "")
                customBackgroundUrl = Defaults.fileUrl(path)
            if (customBackgroundUrl === "") {
                backgroundMenu.currentIndex = 0
                return
            }
        }
        isCustomBackground = position === 1
    }

    // The entry lives outside the settings file, so the switch shows what is on disk.
    function showAutostart() {
        autostartMenu.currentIndex = ui_View.getAutostart() ? 1 : 0
    }

    function chooseAutostart(position) {
        ui_View.setAutostart(position === 1)
        showAutostart()
    }

    function chooseSize(position) {
        sizeMenu.currentIndex = position
        _Size = position === 0 ? 11 : 12
    }

    function choosePaletteEntry(index) {
        chosenColor = index
        updateTextColor()
    }

    function setChosenRgb(red, green, blue) {
        var colours = textPalette.slice()
        colours[chosenColor] = [red, green, blue]
        textPalette = colours
        updateTextColor()
    }

    function setChosenComponent(component, value) {
        var rgb = chosenRgb.slice()
        rgb[component] = value
        setChosenRgb(rgb[0], rgb[1], rgb[2])
    }

    function chooseBrightness(position) {
        brightnessPosition = position
        updateTextColor()
    }

    function updateTextColor() {
        var accent = [skinAccent.r * 255, skinAccent.g * 255, skinAccent.b * 255].map(Math.round)
        var colour = Defaults.textColour(Defaults.skinTextRgb(chosenRgb, accent), brightnessPosition)
        _Color = Qt.rgba(colour[0], colour[1], colour[2], colour[3])
    }

    function configList() {
        return Defaults.configList({
            skin: skin_No, sound: soundMenu.currentIndex, animation: animationMenu.currentIndex,
            language: languageMenu.currentIndex, customBackground: isCustomBackground,
            customBackgroundUrl: customBackgroundUrl, size: sizeMenu.currentIndex, palette: textPalette,
            chosenColor: chosenColor, brightness: brightnessPosition, url: _Url
        })
    }

    function apply() {
        ui_View.saveApConfig(configList())
        mainScene.closeGlobalSetting()
    }

    function resetApconfig() {
        soundMenu.currentIndex = 1
        chooseSound(1)
        ui_View.resetApconfig()
        initUI()
        ui_View.playMedia_Index(0)
    }

    function controlMenu() {
        languageMenu.close()
    }

    width: 319
    height: 411

    Image {
        anchors.fill: parent
        source: skinPath + "list_center/globalsettingBackground.png"
        // Hidden at start: decoded off the GUI thread while the window comes up.
        asynchronous: true
    }

    // Above the rule of the background picture.
    Text {
        id: title

        x: 20
        y: 8
        height: 20
        verticalAlignment: Text.AlignVCenter
        text: _StringList[1]
        font.family: _FontFamily
        font.pixelSize: _Size + 2
        font.bold: true
        font.letterSpacing: 2
        color: page._ColorEnable
    }

    Column {
        id: menus

        x: 20
        y: 42
        width: parent.width - 40
        spacing: 3

        SettingRow {
            id: skinRow

            objectName: "skinRow"
            visible: page.skinShown
            text: _StringList[26]

            ButtonGroup {
                id: skinMenu

                objectName: "skinMenu"
                width: parent.width
                currentIndex: 0
                model: page.skinNames
                onActivated: index => page.chooseSkin(index + 1)
            }
        }

        // Hidden skin row: the rows below move up by 11 pixels rather than by a whole row.
        Item {
            width: 1
            height: skinRow.height - 11
            visible: !page.skinShown
        }

        SettingRow {
            objectName: "soundRow"
            text: _StringList[27]

            ButtonGroup {
                id: soundMenu

                objectName: "soundMenu"
                width: parent.width
                currentIndex: 0
                model: page.onOffNames
                onActivated: index => page.chooseSound(index)
            }
        }

        SettingRow {
            text: _StringList[28]

            ButtonGroup {
                id: animationMenu

                objectName: "animationMenu"
                width: parent.width
                currentIndex: 0
                model: page.onOffNames
                onActivated: index => page.chooseAnimation(index)
            }
        }

        SettingRow {
            z: 2
            text: _StringList[29]

            DropMenu {
                id: languageMenu

                objectName: "languageMenu"
                width: parent.width
                model: page.languageNames
                onActivated: index => page.chooseLanguage(index)
            }
        }

        SettingRow {
            text: _StringList[30]

            ButtonGroup {
                id: backgroundMenu

                objectName: "backgroundMenu"
                width: parent.width
                currentIndex: 0
                model: page.offOnNames
                onActivated: index => page.chooseBackground(index)
            }
        }

        SettingRow {
            text: page.autostartLabel

            ButtonGroup {
                id: autostartMenu

                objectName: "autostartMenu"
                width: parent.width
                currentIndex: 0
                model: page.offOnNames
                onActivated: index => page.chooseAutostart(index)
            }
        }
    }

    Rectangle {
        id: textBox

        x: 12
        y: 194
        z: -1
        width: parent.width - 24
        height: 178
        radius: 4
        color: "#30000000"
        border.color: "#33ffffff"
    }

    Column {
        id: textColumn

        x: 20
        y: textBox.y + 6
        width: parent.width - 40
        spacing: 6

        Text {
            height: 18
            verticalAlignment: Text.AlignVCenter
            text: _StringList[33]
            font.family: _FontFamily
            font.pixelSize: _Size + 1
            font.bold: true
            color: page._ColorEnable
        }

        SettingRow {
            text: _StringList[34]

            ButtonGroup {
                id: sizeMenu

                objectName: "sizeMenu"
                width: parent.width
                currentIndex: 0
                model: page.sizeNames
                onActivated: index => page.chooseSize(index)
            }
        }

        SettingRow {
            text: _StringList[35]

            Row {
                spacing: 5

                Repeater {
                    model: 7

                    delegate: Rectangle {
                        id: swatch

                        required property int index
                        readonly property var rgb: page.textPalette[index]

                        objectName: "swatch" + index
                        width: 19
                        height: 19
                        radius: 2
                        color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
                        border.width: index === page.chosenColor ? 2 : 1
                        border.color: index === page.chosenColor ? "#ffffff" : (swatchMouse.containsMouse ? "#c0c4cc" : "#40ffffff")

                        MouseArea {
                            id: swatchMouse

                            anchors.fill: parent
                            hoverEnabled: true
                            onClicked: {
                                ui_View.playMedia_Index(4)
                                page.choosePaletteEntry(swatch.index)
                            }
                        }
                    }
                }
            }
        }

        Item {
            width: parent.width
            height: 62

            ColorStrip {
                id: colorStrip

                objectName: "colorStrip"
                x: 110
                height: parent.height
                onPicked: (red, green, blue) => page.setChosenRgb(red, green, blue)
            }

            Column {
                x: colorStrip.x + colorStrip.width + 10
                spacing: 1

                Repeater {
                    model: ["R", "G", "B"]

                    delegate: NumberField {
                        required property int index
                        required property string modelData

                        width: 62
                        caption: modelData
                        value: page.chosenRgb[index]
                        onEdited: value => page.setChosenComponent(index, value)
                    }
                }
            }

            Rectangle {
                id: sample

                anchors.right: parent.right
                width: 64
                height: parent.height
                radius: 3
                color: "#c0101214"
                border.color: "#40ffffff"

                Text {
                    anchors.centerIn: parent
                    text: "Aa"
                    font.family: _FontFamily
                    font.pixelSize: 22
                    font.bold: true
                    color: page._Color
                }
            }
        }

        SettingRow {
            text: _StringList[36]

            Slider_8 {
                id: brightnessSlider

                objectName: "brightnessSlider"
                position: page.brightnessPosition
                onMoved: position => page.chooseBrightness(position)
            }
        }
    }

    Row {
        x: 20
        y: textBox.y + textBox.height + 8
        spacing: 19

        TextButton {
            objectName: "resetButton"
            width: 130
            height: 24
            source: skinPath + "common/reset_0.png"
            hoverSource: skinPath + "common/reset_1.png"
            text: _StringList[77]
            onClicked: page.resetApconfig()
        }

        TextButton {
            objectName: "applyButton"
            width: 130
            height: 24
            source: skinPath + "common/apply_0.png"
            hoverSource: skinPath + "common/apply_1.png"
            text: _StringList[107]
            onClicked: page.apply()
        }
    }

    AppProfilesEditor {
        id: appProfilesEditor

        objectName: "appProfilesEditor"
        languageCode: page.languageCodes[languageMenu.currentIndex] || ""
    }
}
