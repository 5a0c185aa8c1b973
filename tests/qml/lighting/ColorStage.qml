import QtQuick
import "qrc:/modules/qml/K3"

// The lighting page with what the main window gives it: the root properties and functions
// it uses, a recording ui_View with canned profile data, the key-name tables and the
// keyboard main item's key signal.
Item {
    id: mainScene

    property int lang: 0
    property int layout: 0
    property int profile: 0
    // The shipped skin (the test runs in the source folder): keys are drawn under 40 × 40.
    property int skin_No: 1
    property string skinPath: "file:modules/img/skin" + skin_No + "/"
    property int animation_speed: 10
    property int globalSetting_size: 11
    property color globalSetting_color: "#00ffff"
    property color skinAccent: "#1fc8ff"
    property color globalSetting_color_enable: "#00ffff"
    property color globalSetting_color_disable: "#aaaaaa"
    property string globalSetting_fontFamily: "Exo"
    property var globalSetting_stringList: []
    property int disableTongbu: 0
    property var locks: []

    property alias page: page
    property alias view: ui_View
    property alias names: keyCodeString
    property alias keyboardItem: mainK3

    // Key rows: x, y, keyType, name, key position, key code; 40 apart.
    readonly property var rows: [
        [0, 0, 1, "Esc", 0, 41], [40, 0, 1, "F1", 1, 58], [80, 0, 1, "F2", 2, 59],
        [0, 40, 1, "A", 16, 4], [40, 40, 1, "B", 17, 5], [80, 40, 1, "C", 18, 6],
        [0, 80, 1, "Space", 85, 44], [40, 80, 1, "Fn", 89, 0], [80, 80, 1, "Prt", 13, 70]
    ]

    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    function table(keyRows) {
        var t = [keyRows.length, 128]
        for (var r = 0; r < keyRows.length; ++r)
            t = t.concat(keyRows[r])
        return t
    }

    function setProtectUI(interval) {
        locks.push(interval)
    }

    width: 1000
    height: 600

    QtObject {
        id: ui_View

        property var calls: []
        // Profile lists as the bridge gives them: texts, or empty when absent.
        property var color: []
        property var pictures: ({})
        property var ledType: []
        property var langTables: ({})

        function record(name, args) {
            calls.push([name].concat(Array.prototype.slice.call(args)))
        }

        function names() {
            return calls.map(call => call[0])
        }

        function sent() {
            return calls.filter(call => call[0] !== "playMedia_Index" && call[0].indexOf("Get") < 0
                                && call[0] !== "loadLangName")
        }

        function ui_B0H_GetColor() {
            record("ui_B0H_GetColor", arguments)
            return color
        }

        function ui_92H_GetUserPicture(index) {
            record("ui_92H_GetUserPicture", arguments)
            return pictures[index] !== undefined ? pictures[index] : []
        }

        function ui_88H_GetLEDType() {
            record("ui_88H_GetLEDType", arguments)
            return ledType
        }

        function ui_30H_SetColor(src21) {
            record("ui_30H_SetColor", arguments)
        }

        function ui_12H_SetUserPicture(index, option, src384) {
            record("ui_12H_SetUserPicture", arguments)
        }

        function ui_08H_SetLEDType(type, brightness, speed, direction, color, typeSide) {
            record("ui_08H_SetLEDType", arguments)
        }

        function loadLangName(lang) {
            record("loadLangName", arguments)
            return langTables[lang] !== undefined ? langTables[lang] : []
        }

        function playMedia_Index(index) {
            record("playMedia_Index", arguments)
        }
    }

    Item {
        id: mainK3

        signal msg_KB(bool isDown, int usbCode)
    }

    KeyCodeString {
        id: keyCodeString
    }

    Page_Color {
        id: page

        x: 100
        y: 80
    }
}
