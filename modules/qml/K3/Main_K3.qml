import QtQuick

// The keyboard's main item: function menu, profile menu and the page area.
Item {
    id: mainK3

    // False while the global settings panel is open.
    property bool navigationEnabled: true
    // USB usage of the last key pressed on the keyboard.
    property int lastPressKeyCode: 0
    readonly property alias keyPage: pageArea.keyPage
    readonly property alias macroPage: pageArea.macroPage
    readonly property alias colorPage: pageArea.colorPage
    readonly property alias openPage: pageArea.openPage
    readonly property alias functionMenu: functionMenu
    readonly property alias profileMenu: profileMenu
    readonly property alias pageArea: pageArea
    readonly property alias keyCodeString: keyCodeString

    // Key presses and releases from the keyboard, for the pages.
    signal msg_KB(bool isDown, int usbCode)

    function isProfile(value) {
        var number = Number(value)
        return Number.isInteger(number) && number >= 0 && number < 4
    }

    function initUI() {
        var hwDef = ui_View.loadHWDef()
        loadKeyNames(hwDef)
        showCurrentProfile()
        keyPage.initUI(true, hwDef)
        macroPage.initUI()
        colorPage.initUI(true, hwDef)
        pageArea.built = true
    }

    // The keyboard is there again: the key names of its layout, its profile and that profile's pages.
    function syncDevice() {
        loadKeyNames(ui_View.loadHWDef())
        showCurrentProfile()
        keyPage.initUI()
        colorPage.initUI()
        colorPage.playEffect(colorPage.visible)
    }

    function loadKeyNames(hwDef) {
        var names = ui_View.loadUsbStr()
        var codes = ui_View.loadUsbCode()
        keyCodeString.initUI(hwDef, names, codes)
    }

    function showCurrentProfile() {
        var current = ui_View.ui_A1H_GetCurrentProfile()
        profileMenu.currentIndex = isProfile(current) ? Number(current) : 0
        mainScene.profile = profileMenu.currentIndex
    }

    // A profile change made on the keyboard, or a lighting change only (same profile).
    // A report naming no profile of the keyboard switches nothing.
    function zzzMorvel(profile) {
        if (isProfile(profile) && Number(profile) !== profileMenu.currentIndex) {
            ui_View.ui_21H_SetCurrentProfile(profile)
            profileMenu.currentIndex = Number(profile)
            mainScene.profile = profileMenu.currentIndex
            keyPage.initUI()
            colorPage.initUI()
        }
        colorPage.initUI()
        colorPage.playEffect(colorPage.visible)
    }

    function profileChanged(index) {
        ui_View.ui_21H_SetCurrentProfile(index)
        mainScene.profile = index
        reloadPages()
    }

    // The key and lighting pages reread the current profile's file.
    function reloadPages() {
        keyPage.initUI()
        colorPage.initUI()
        colorPage.playEffect(colorPage.visible)
    }

    function setSkin() {
        functionMenu.setSkin()
    }

    function translateStrings(code) {
        keyPage.translateStrings(code)
        macroPage.translateStrings(code)
        colorPage.translateStrings(code)
        functionMenu.translateStrings()
        profileMenu.translateStrings()
    }

    width: 1000
    height: 600

    KeyCodeString {
        id: keyCodeString
    }

    Connections {
        target: mainScene

        function onMsg_KB(isDown, usbCode) {
            if (isDown)
                mainK3.lastPressKeyCode = usbCode
            mainK3.msg_KB(isDown, usbCode)
        }
    }

    Connections {
        target: keyPage
        ignoreUnknownSignals: true

        function onProfileKeyClicked(index) {
            profileMenu.select(index)
        }
    }

    Image {
        id: keyboardPicture

        objectName: "keyboardPicture"
        x: 152
        y: 141
        visible: pageArea.openPage < 0 && !isCustomBackground
        source: skinPath + "keyboard.png"
    }

    Image {
        id: customBackground

        objectName: "customBackground"
        anchors.fill: pageArea
        visible: pageArea.openPage < 0 && isCustomBackground && status === Image.Ready
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        source: isCustomBackground ? customBackgroundUrl : ""
    }

    PageArea_K3 {
        id: pageArea

        enabled: mainK3.navigationEnabled
        opacity: enabled ? 1.0 : 0.2
    }

    FunctionMenu_K3 {
        id: functionMenu

        enabled: mainK3.navigationEnabled
        onChosen: index => {
            pageArea.show(index)
            mainScene.controlMenu()
        }
    }

    ProfileMenu_K3 {
        id: profileMenu

        objectName: "profileMenu"
        enabled: mainK3.navigationEnabled
        onProfileChanged: index => mainK3.profileChanged(index)
    }
}
