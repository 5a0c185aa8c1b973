import QtQuick
import "basic"
import "common"
import "K3"
import "common/KeyLabels.js" as KeyLabels

// The root of the scene. The bridge calls initUI, run, setProtectUI, detectKeyboard, detectMouse,
// zzzMorvel, showNotice, syncDevice and showConnection by name; the pages read the properties below by name.
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
    // The colour of each skin's pictures, for what the scene draws itself: selections, frames,
    // focus. A skin without its own takes the first one's.
    readonly property var skinAccents: ["#1fc8ff", "#ff3d4a"]
    readonly property color skinAccent: skinAccents[skin_No - 1] || skinAccents[0]
    property bool globalSettingSelected: false
    readonly property bool busy: busyIndicator.busy
    // Named texts of the current language, by group ([confirm], [hint]) and name.
    property var languageGroups: ({})
    // ALL RESET changed only what the pages show: until the next save it can be taken back.
    property bool resetUndoable: false
    property int langBeforeReset: 0
    // No profile follows the application in front while a macro is recorded or settings are sent.
    readonly property bool profileSwitchHeld: busy || mainK3.macroPage.isRecordStart

    // Key presses and releases from the keyboard hook.
    signal msg_KB(bool isDown, int usbCode)
    // The bottom bar's buttons: the key page and the lighting page each reset or apply on these.
    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    function initUI() {
        layout = Number(ui_View.ui_80H_GetHWMode())
        page_Globalsetting.initUI()
        mainK3.initUI()
        syncLighting()
        changeLang(layout)
    }

    // The keyboard is there again (plugged in, or the machine woke up): its layout, profile and
    // lighting as at start-up. Reports held back after an apply that never reached it count no more.
    function syncDevice() {
        disableTongbu = 0
        layout = Number(ui_View.ui_80H_GetHWMode())
        mainK3.syncDevice()
        syncLighting()
        changeLang(layout)
    }

    // Without an answer from the keyboard there is no lighting state to show: the page keeps the profile's.
    function syncLighting() {
        var effect = ui_View.ui_88H_GetLEDTypeX()
        if (effect.length >= 3)
            mainK3.colorPage.tongbu(effect[0], effect[1], effect[2])
    }

    // "connected", "notConnected" or "emulated", with its text and the keyboard's name and firmware.
    function showConnection(connection, text, detail) {
        topBar.connection = String(connection)
        topBar.connectionText = String(text)
        topBar.connectionDetail = String(detail)
    }

    function run() {
    }

    // Requests from outside the scene: the command line, D-Bus, the tray menu and the
    // application in front.
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

    // A failure the user must know of, in the current language's words; the scene stays usable.
    function showNotice(text) {
        notice.show(text)
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
        languageGroups = { confirm: ui_View.getLanguageGroup(code, "confirm"),
                           hint: ui_View.getLanguageGroup(code, "hint") }
        page_Globalsetting.translateStrings()
        mainK3.translateStrings(code)
    }

    function getDevItem(index) {
        return mainK3
    }

    // Interface text `index`, or `fallback` while the list has none there.
    function stringAt(index, fallback) {
        return textOr(globalSetting_stringList[index], fallback)
    }

    // Text `name` of the language file's group `group`, or `fallback` while it has none.
    function groupText(group, name, fallback) {
        return textOr((languageGroups[group] || {})[name], fallback)
    }

    function textOr(text, fallback) {
        return (text === undefined || text === "") ? fallback : text
    }

    // Asks `question` in the scene; onYes runs only when the user agrees.
    function confirm(question, onYes) {
        confirmBox.ask(question, onYes)
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
        langBeforeReset = lang
        btnTotalResetClicked()
        page_Globalsetting.setLanguage(layout)
        lang = layout
        resetUndoable = true
        controlMenu()
    }

    // Nothing reached a file since ALL RESET: the pages read the profile again.
    function undoReset() {
        setProtectUI(800)
        resetUndoable = false
        mainK3.keyPage.initUI()
        mainK3.colorPage.initUI()
        mainK3.colorPage.playEffect(mainK3.colorPage.visible)
        page_Globalsetting.setLanguage(langBeforeReset)
        lang = langBeforeReset
        controlMenu()
    }

    function applyAll() {
        setProtectUI(2000)
        resetUndoable = false
        btnTotalApplyClicked()
        controlMenu()
    }

    function openAddress() {
        ui_View.playMedia_Index(3)
        Qt.openUrlExternally(globalSetting_url)
    }

    width: 1000
    height: 600
    onProfileChanged: resetUndoable = false
    onProfileSwitchHeldChanged: ui_View.setAppProfilesHeld(profileSwitchHeld)

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
        property bool dragging: false

        anchors.fill: parent
        z: -1
        hoverEnabled: true
        onPressed: mouse => {
            pressPoint = Qt.point(mouse.x, mouse.y)
            dragging = false
            mainScene.controlMenu()
        }
        onPositionChanged: mouse => {
            if (!pressed)
                return
            if (!dragging) {
                dragging = true
                ui_Ctl.startSystemMove()
            }
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
        undoable: mainScene.resetUndoable
        undoText: mainScene.groupText("confirm", "undoReset", "UNDO RESET")
        onResetAllClicked: mainScene.resetUndoable ? mainScene.undoReset() : mainScene.resetAll()
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

    ConfirmBox {
        id: confirmBox

        objectName: "confirmBox"
        yesText: mainScene.groupText("confirm", "yes", "YES")
        noText: mainScene.groupText("confirm", "no", "NO")
    }

    BusyIndicator {
        id: busyIndicator

        objectName: "busyIndicator"
    }

    Notice {
        id: notice

        objectName: "notice"
    }
}
