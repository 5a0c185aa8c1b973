import QtQuick

// A recording ui_View: every slot the scene and its pages may call, answering with canned data.
QtObject {
    id: view

    property var calls: []
    property var apConfig: []
    property var apConfigDefaults: []
    property var languages: ({ "ENGLISH": "031000", "SPANISH": "111000" })
    property var strings: ({})
    property bool skinShow: true
    property int hwMode: 0
    property int currentProfile: 0
    property var ledTypeX: [2, 63, 3]
    // Two keys, A and B, on a matrix of eight positions.
    property var hwDef: [2, 8, 0, 0, 1, "A", 4, 4, 40, 0, 1, "B", 5, 5]
    property var usbStr: []
    property var usbCode: []
    property string customFilePath: ""
    property var appProfiles: ({ enabled: false, defaultProfile: -1, rules: [] })
    property var groups: ({})
    property bool autostart: false
    property bool autostartWritable: true

    function record(name, args) {
        calls.push([name].concat(Array.prototype.slice.call(args)))
    }

    function names() {
        return calls.map(call => call[0])
    }

    function count(name) {
        return names().filter(n => n === name).length
    }

    function last(name) {
        for (var i = calls.length - 1; i >= 0; --i) {
            if (calls[i][0] === name)
                return calls[i]
        }
        return undefined
    }

    function setEnabled(on) { record("setEnabled", arguments) }
    function syncFW() { record("syncFW", arguments) }
    function initUI() { record("initUI", arguments) }
    function runUI() { record("runUI", arguments) }
    function zzzMorvel() { record("zzzMorvel", arguments) }
    function setEnableAudio(on) { record("setEnableAudio", arguments) }
    function playMedia_Index(index) { record("playMedia_Index", arguments) }
    function playMedia_Background() { record("playMedia_Background", arguments) }
    function clearAllMedia() { record("clearAllMedia", arguments) }
    function saveApConfig(list) { record("saveApConfig", arguments); apConfig = list }
    function loadApConfig() { record("loadApConfig", arguments); return apConfig }
    function resetApconfig() { record("resetApconfig", arguments); apConfig = apConfigDefaults }
    function loadHWDef() { record("loadHWDef", arguments); return hwDef }
    function loadLangName(lang) { record("loadLangName", arguments); return [] }
    function loadUsbStr() { record("loadUsbStr", arguments); return usbStr }
    function loadUsbCode() { record("loadUsbCode", arguments); return usbCode }
    function getIsSkinShow() { record("getIsSkinShow", arguments); return skinShow }
    function loadProfile(profile) { record("loadProfile", arguments) }
    function saveProfile(profile) { record("saveProfile", arguments) }
    function resetProfile(profile) { record("resetProfile", arguments) }
    function loadMacroIniFromFile(name) { record("loadMacroIniFromFile", arguments) }
    function saveMacroIniToFile(name) { record("saveMacroIniToFile", arguments) }
    function renameMacroIniFile(oldName, newName) { record("renameMacroIniFile", arguments) }
    function getCustomFilePath() { record("getCustomFilePath", arguments); return customFilePath }
    function chkLanguages() { record("chkLanguages", arguments); return languages }
    function getGlobalStrings(code) { record("getGlobalStrings", arguments); return strings[code] || [""] }
    function getLanguageGroup(code, group) { record("getLanguageGroup", arguments); return groups[code + "/" + group] || {} }
    function createMacroIni() { record("createMacroIni", arguments); return "" }
    function deleteMacroIni(name) { record("deleteMacroIni", arguments); return false }
    function getMacroIniNames() { record("getMacroIniNames", arguments); return [] }
    function saveMacroIni(name, macros) { record("saveMacroIni", arguments); return false }
    function loadMacroIni(name) { record("loadMacroIni", arguments); return [] }
    function loadMacroIniConfig(name) { record("loadMacroIniConfig", arguments); return [] }
    function setMacroIniConfig(name, config) { record("setMacroIniConfig", arguments) }
    function getKeydefine(matrixId) { record("getKeydefine", arguments); return [] }
    function macroIncode(macros) { record("macroIncode", arguments); return [] }
    function ui_01H_SetReportRate(rate) { record("ui_01H_SetReportRate", arguments) }
    function ui_02H_SetKeyboardMode(mode) { record("ui_02H_SetKeyboardMode", arguments) }
    function ui_04H_SetButtonSensitivity(sens) { record("ui_04H_SetButtonSensitivity", arguments) }
    function ui_08H_SetLEDType(type, brightness, speed, direction, color, typeSide) { record("ui_08H_SetLEDType", arguments) }
    function ui_0C0DH_SetKeyMatrix(src) { record("ui_0C0DH_SetKeyMatrix", arguments) }
    function ui_10H_SetMacroKey(macroId, name) { record("ui_10H_SetMacroKey", arguments) }
    function ui_12H_SetUserPicture(index, option, src) { record("ui_12H_SetUserPicture", arguments) }
    function ui_13H_SetRecoveryData() { record("ui_13H_SetRecoveryData", arguments) }
    function ui_21H_SetCurrentProfile(profile) { record("ui_21H_SetCurrentProfile", arguments) }
    function ui_30H_SetColor(src) { record("ui_30H_SetColor", arguments) }
    function ui_80H_GetFWVersion() { record("ui_80H_GetFWVersion", arguments); return "" }
    function ui_80H_GetHWMode() { record("ui_80H_GetHWMode", arguments); return hwMode }
    function ui_81H_GetReportRate() { record("ui_81H_GetReportRate", arguments); return 0 }
    function ui_82H_GetKeyboardMode() { record("ui_82H_GetKeyboardMode", arguments); return 0 }
    function ui_84H_GetButtonSensitivity() { record("ui_84H_GetButtonSensitivity", arguments); return 0 }
    function ui_88H_GetLEDType() { record("ui_88H_GetLEDType", arguments); return [] }
    function ui_88H_GetLEDTypeX() { record("ui_88H_GetLEDTypeX", arguments); return ledTypeX }
    function ui_8C8DH_GetKeyMatrix() { record("ui_8C8DH_GetKeyMatrix", arguments); return [] }
    function ui_92H_GetUserPicture(index) { record("ui_92H_GetUserPicture", arguments); return [] }
    function ui_A1H_GetCurrentProfile() { record("ui_A1H_GetCurrentProfile", arguments); return currentProfile }
    function ui_B0H_GetColor() { record("ui_B0H_GetColor", arguments); return [] }
    function loadAppProfiles() { record("loadAppProfiles", arguments); return appProfiles }
    function saveAppProfiles(rules) { record("saveAppProfiles", arguments); appProfiles = rules }
    function getOpenApplications() { record("getOpenApplications", arguments); return ["Steam"] }
    function getAppProfilesAutomatic() { record("getAppProfilesAutomatic", arguments); return false }
    function setAppProfilesHeld(held) { record("setAppProfilesHeld", arguments) }
    function getAutostart() { record("getAutostart", arguments); return autostart }
    function setAutostart(on) { record("setAutostart", arguments); if (autostartWritable) autostart = on }
}
