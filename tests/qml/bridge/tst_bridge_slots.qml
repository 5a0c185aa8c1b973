import QtQuick
import QtTest

TestCase {
    id: testCase

    function numbers(count, first) {
        var list = []
        for (var i = 0; i < count; ++i)
            list.push(first + i)
        return list
    }

    name: "BridgeSlots"

    function test_deviceSettings() {
        ui_View.ui_08H_SetLEDType(1, 63, 0, 0, 5, 0)
        compare(ui_View.ui_88H_GetLEDType(), [1, 63, 0, 0, 5, 0])

        var matrix = numbers(256, 0).map(function () { return 0 })
        matrix[90] = 4
        matrix[91] = 2
        ui_View.ui_0C0DH_SetKeyMatrix(matrix)
        compare(ui_View.getKeydefine(45), [4, 2])
        compare(ui_View.getKeydefine("61"), [0, 0])

        ui_View.ui_12H_SetUserPicture(2, 255, numbers(384, 0))
        compare(ui_View.ui_92H_GetUserPicture(2).length, 384)
        compare(ui_View.ui_92H_GetUserPicture(3), [])
        ui_View.ui_30H_SetColor(numbers(21, 100))
        compare(ui_View.ui_B0H_GetColor()[20], 120)

        ui_View.ui_21H_SetCurrentProfile(1)
        compare(ui_View.ui_A1H_GetCurrentProfile(), 1)
        compare(ui_View.ui_B0H_GetColor(), [])
        ui_View.ui_21H_SetCurrentProfile(0)

        ui_View.ui_01H_SetReportRate(3)
        ui_View.ui_02H_SetKeyboardMode(1)
        ui_View.ui_04H_SetButtonSensitivity(2)
        ui_View.ui_13H_SetRecoveryData()
        compare(ui_View.ui_80H_GetFWVersion(), "unknown")
        compare(ui_View.ui_80H_GetHWMode(), 0)
        compare(ui_View.ui_81H_GetReportRate(), 0)
        compare(ui_View.ui_82H_GetKeyboardMode(), 0)
        compare(ui_View.ui_84H_GetButtonSensitivity(), 0)
        compare(ui_View.ui_88H_GetLEDTypeX(), [])
        compare(ui_View.ui_8C8DH_GetKeyMatrix().length, 256)
    }

    function test_applicationConfiguration() {
        var config = [1, 2, 0, 1, 1, true, "file:///pictures/a.png", 0]
        ui_View.saveApConfig(config)
        compare(ui_View.loadApConfig(), config)
        compare(typeof ui_View.getIsSkinShow(), "boolean")
        compare(ui_View.getCustomFilePath(), "")
        ui_View.resetApconfig()
        compare(ui_View.loadApConfig(), config)
    }

    function test_hardwareDefinitions() {
        ui_View.saveApConfig([1, 1, 0, 0, 1])
        compare(ui_View.loadHWDef(), [1, 126, 10, 20, 1, "Esc", 0, 41])
        compare(ui_View.loadLangName(0), [1, 126, 10, 20, 1, "Esc", 0, 41])
        compare(ui_View.loadLangName(3), [0, 0])
    }

    function test_localisation() {
        var menu = ui_View.chkLanguages()
        compare(Object.keys(menu), ["CHINESE (Simp)", "ENGLISH"])
        compare(menu["ENGLISH"], "031000")
        compare(ui_View.getGlobalStrings("031000"), ["Exo", "One", "Two"])
        compare(ui_View.getLanguageGroup("031000", "confirm"), {"yes": "Yes, sure"})
        compare(ui_View.getLanguageGroup("025044", "confirm"), {})
        compare(ui_View.loadUsbStr(), ["A", "B"])
        compare(ui_View.loadUsbCode(), ["4", "5"])
    }

    function test_profiles() {
        // Every dialog of this test answers "cancel".
        ui_View.loadProfile(0)
        ui_View.saveProfile(0)
        ui_View.resetProfile(0)
        compare(ui_View.ui_A1H_GetCurrentProfile(), 0)
    }

    function test_macros() {
        var name = ui_View.createMacroIni()
        compare(name, "Macro. 001")
        compare(ui_View.loadMacroIniConfig(name), [-1, 1])
        var steps = ["A       [\u25BC]", "50      [ms]", "A       [\u25B2]"]
        compare(ui_View.saveMacroIni(name, steps), true)
        compare(ui_View.loadMacroIni(name), steps)
        ui_View.setMacroIniConfig(name, [2, 3])
        compare(ui_View.loadMacroIniConfig(name), [2, 3])
        compare(ui_View.getMacroIniNames(), ["Macro. 001.bin"])

        var bytes = ui_View.macroIncode(steps)
        compare(bytes.length, 12)
        compare([bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[7]], [0, 1, 1, 4, 0x7F, 5])

        ui_View.ui_10H_SetMacroKey(0, name)
        ui_View.saveMacroIniToFile(name)
        ui_View.loadMacroIniFromFile(name)
        ui_View.renameMacroIniFile(name, "Renamed")
        compare(ui_View.deleteMacroIni("Renamed"), true)
        compare(ui_View.deleteMacroIni("Renamed"), false)
        compare(ui_View.saveMacroIni("Renamed", steps), false)
    }

    function test_soundAndCore() {
        ui_View.setEnableAudio(false)
        ui_View.playMedia_Index(4)
        ui_View.clearAllMedia()
        ui_View.syncFW()
        ui_View.initUI()
        ui_View.runUI()
        ui_View.zzzMorvel(1, 2, 3, 4)
        ui_View.setEnableAudio(true)
    }
}
