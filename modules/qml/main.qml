import QtQuick
import "basic"
import "K3"
import "common/KeyLabels.js" as KeyLabels

// The root of the scene. The bridge calls initUI, run, setProtectUI, detectKeyboard, detectMouse
// and zzzMorvel by name; the pages read the properties below by name.
Item {
    id: mainScene

    readonly property var page_Globalsetting: settingsPanel.page
    property int globalSetting_size: page_Globalsetting._Size
    property color globalSetting_color: page_Globalsetting._Color
    property color globalSetting_color_enable: page_Globalsetting._Color
    property color globalSetting_color_disable: page_Globalsetting._ColorDisable
    property int animation_speed: page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: page_Globalsetting._StringList
    property string globalSetting_fontFamily: page_Globalsetting._FontFamily
    property string globalSetting_url: page_Globalsetting._Url
    property int lang: 0
    property int layout: 0
    property int profile: 0
    property int skin_No: page_Globalsetting.skin_No
    property bool isCustomBackground: page_Globalsetting.isCustomBackground
    property string customBackgroundUrl: page_Globalsetting.customBackgroundUrl
    property int disableTongbu: 0
    readonly property var enTosp: KeyLabels.enTosp
    readonly property var sptoen: KeyLabels.sptoen
    // Every skin picture is this folder + its sub-path.
    readonly property string skinPath: "file:modules/img/skin" + skin_No + "/"
    property bool globalSettingSelected: false
    readonly property bool busy: busyIndicator.busy

    // Key presses and releases from the keyboard hook.
    signal msg_KB(bool isDown, int usbCode)
    // The bottom bar's buttons: the key page and the lighting page each reset or apply on these.
    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    function initUI() {
        layout = Number(ui_View.ui_80H_GetHWMode())
        page_Globalsetting.initUI()
        mainK3.initUI()
        var effect = ui_View.ui_88H_GetLEDTypeX()
        // Without a keyboard there is no lighting state to show.
        if (effect.length >= 3)
            mainK3.colorPage.tongbu(effect[0], effect[1], effect[2])
        changeLang(layout)
    }

    function run() {
    }

    // Requests from outside the scene: the command line, D-Bus and the tray menu.
    function selectProfile(index) {
        mainK3.profileMenu.select(index)
    }

    function reloadPages() {
        mainK3.reloadPages()
    }

    function setProtectUI(interval) {
        busyIndicator.busy = true
        ui_View.setEnabled(false)
        lockTimer.interval = Number(interval)
        lockTimer.restart()
    }

    function unlock() {
        ui_View.setEnabled(true)
        busyIndicator.busy = false
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, button, x, y) {
    }

    function zzzMorvel(profileNo, effect, brightness, speed) {
        mainK3.zzzMorvel(profileNo)
        mainK3.colorPage.tongbu(effect, brightness, speed)
    }

    function controlMenu() {
        mainK3.keyPage.controlMenu()
        mainK3.macroPage.controlMenu()
        mainK3.colorPage.controlMenu()
        mainK3.profileMenu.controlMenu()
        page_Globalsetting.controlMenu()
    }

    function changeLang(newLang) {
        mainK3.keyPage.changeLanguage(newLang)
        mainK3.colorPage.changeLanguage(newLang)
    }

    function setSkin() {
        bottomBar.setSkin()
        mainK3.setSkin()
    }

    function translateStrings(code) {
        page_Globalsetting.translateStrings()
        mainK3.translateStrings(code)
    }

    function getDevItem(index) {
        return mainK3
    }

    // Interface text `index`, or `fallback` while the list has none there.
    function stringAt(index, fallback) {
        var text = globalSetting_stringList[index]
        return (text === undefined || text === "") ? fallback : text
    }

    function topBarClicked(index) {
        switch (index) {
        case 0:
            globalSettingSelected ? closeGlobalSetting() : openGlobalSetting()
            break
        case 1:
            ui_Ctl.onClose()
            break
        case 2:
            ui_Ctl.onMinimize()
            break
        }
        controlMenu()
    }

    function openGlobalSetting() {
        globalSettingSelected = true
        settingsPanel.open()
    }

    function closeGlobalSetting() {
        globalSettingSelected = false
        settingsPanel.close()
    }

    function resetAll() {
        setProtectUI(800)
        btnTotalResetClicked()
        page_Globalsetting.setLanguage(layout)
        lang = layout
        controlMenu()
    }

    function applyAll() {
        setProtectUI(2000)
        btnTotalApplyClicked()
        controlMenu()
    }

    function openAddress() {
        ui_View.playMedia_Index(3)
        Qt.openUrlExternally(globalSetting_url)
    }

    width: 1000
    height: 600

    Timer {
        id: lockTimer

        interval: 1000
        repeat: false
        onTriggered: mainScene.unlock()
    }

    MouseArea {
        id: dragArea

        objectName: "dragArea"
        property point pressPoint

        anchors.fill: parent
        z: -1
        hoverEnabled: true
        onPressed: mouse => {
            pressPoint = Qt.point(mouse.x, mouse.y)
            mainScene.controlMenu()
        }
        onPositionChanged: mouse => {
            if (!pressed)
                return
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
    }

    Background {
        id: background
    }

    Main_K3 {
        id: mainK3

        navigationEnabled: !mainScene.globalSettingSelected
    }

    Bar_Bottom {
        id: bottomBar

        objectName: "bottomBar"
        y: 600 - height
        enabled: !mainScene.globalSettingSelected
        onResetAllClicked: mainScene.resetAll()
        onApplyAllClicked: mainScene.applyAll()
    }

    Bar_Top {
        id: topBar

        onButtonClicked: index => mainScene.topBarClicked(index)
    }

    Image {
        id: logo

        objectName: "logo"
        x: 20
        y: 9
        source: skinPath + (logoMouse.containsMouse ? "frame/web_1.png" : "frame/web_0.png")

        MouseArea {
            id: logoMouse

            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: mainScene.openAddress()
        }
    }

    GlobalSettingPanel {
        id: settingsPanel

        objectName: "settingsPanel"
    }

    BusyIndicator {
        id: busyIndicator

        objectName: "busyIndicator"
    }
}
