import QtQuick
import "qrc:/modules/qml/K3"

// The key page with what the main window would give it: the root properties it reads,
// a recording ui_View with canned profile and macro data, and the key-name tables.
Item {
    id: mainScene

    property int lang: 0
    property int layout: 0
    property int profile: 0
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
    property var enTosp: ({ "A": "A", "B": "B", "Esc": "ESC", "; :": "Ñ", "Eur 2": "> <" })
    property var locks: []

    property alias page: page
    property alias view: ui_View
    property alias names: keyCodeString

    // Key rows: x, y, keyType, name, matrix, default code. 0x3183 is a media key of the picture.
    readonly property var rows: [
        [0, 0, 1, "Esc", 0, 41], [40, 0, 1, "A", 4, 4], [80, 0, 1, "B", 5, 5],
        [120, 0, 1, "\\ |", 45, 49], [160, 0, 1, "Eur 1", 61, 50], [200, 0, 1, "; :", 48, 51],
        [0, 40, 1, "Eur 2", 83, 100], [40, 40, 2, "Space", 85, 44], [120, 40, 1, "Fn", 89, 0],
        [160, 40, 1, "MEDIA", 100, 0x3183],
        [0, 80, 1, "M1", 116, 0], [40, 80, 1, "M2", 117, 0], [80, 80, 1, "M3", 118, 0],
        [120, 80, 1, "M4", 119, 0]
    ]

    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    function table(keyRows, positions) {
        var t = [keyRows.length, positions]
        for (var r = 0; r < keyRows.length; ++r)
            t = t.concat(keyRows[r])
        return t
    }

    function stringAt(index, fallback) {
        var text = globalSetting_stringList[index]
        return (text === undefined || text === "") ? fallback : text
    }

    function groupText(group, name, fallback) {
        return fallback
    }

    function setProtectUI(interval) {
        locks.push(interval)
    }

    width: 1000
    height: 600

    QtObject {
        id: ui_View

        property var calls: []
        // Stored profile pairs by matrix position; positions not listed have no entry.
        property var keydefine: ({})
        property var macroFiles: []
        // Macro name -> [index, repeat] as loadMacroIniConfig gives it.
        property var macroConfigs: ({})
        property var langTables: ({})

        function record(name, args) {
            calls.push({ name: name, args: Array.prototype.slice.call(args) })
        }

        function callsOf(name) {
            return calls.filter(function (c) { return c.name === name })
        }

        function getKeydefine(matrix) {
            record("getKeydefine", arguments)
            return keydefine[matrix] !== undefined ? keydefine[matrix] : []
        }

        function loadLangName(lang) {
            record("loadLangName", arguments)
            return langTables[lang] !== undefined ? langTables[lang] : []
        }

        function getMacroIniNames() {
            record("getMacroIniNames", arguments)
            return macroFiles
        }

        function loadMacroIniConfig(name) {
            record("loadMacroIniConfig", arguments)
            return macroConfigs[name] !== undefined ? macroConfigs[name] : []
        }

        function setMacroIniConfig(name, config) {
            record("setMacroIniConfig", arguments)
        }

        function ui_10H_SetMacroKey(macroId, name) {
            record("ui_10H_SetMacroKey", arguments)
        }

        function ui_0C0DH_SetKeyMatrix(bytes) {
            record("ui_0C0DH_SetKeyMatrix", arguments)
        }

        function ui_02H_SetKeyboardMode(mode) {
            record("ui_02H_SetKeyboardMode", arguments)
        }

        function playMedia_Index(index) {
            record("playMedia_Index", arguments)
        }
    }

    QtObject {
        id: keyCodeString

        property var keycode2str: ({ 4: "A", 5: "B", 41: "Esc", 44: "Space", 49: "\\ |", 50: "Eur 1",
                                     51: "; :", 100: "Eur 2" })

        function keycodeTostr(keycode) {
            return keycode2str[keycode]
        }
    }

    Page_Keydefine {
        id: page

        x: 100
        y: 80
    }
}
