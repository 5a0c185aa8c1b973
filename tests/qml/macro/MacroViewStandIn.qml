import QtQuick

// Recording stand-in for ui_View's macro slots: keeps macro files in memory
// with the bridge's rules and records every call.
QtObject {
    id: view

    // Macro name -> list of steps.
    property var files: ({})
    property var calls: []
    // What the next import dialog yields: a list of steps, or null for a cancelled dialog.
    property var importSteps: null
    // When false, renames fail as they would for a locked file.
    property bool renameWorks: true
    // When false, saves fail as they would on a full disk.
    property bool saveWorks: true

    function reset(macros) {
        files = macros
        calls = []
        importSteps = null
        renameWorks = true
        saveWorks = true
    }

    function record(name, args) {
        var list = calls
        list.push({ name: name, args: args })
        calls = list
    }

    function callsOf(name) {
        return calls.filter(c => c.name === name)
    }

    function exists(name) {
        return Object.prototype.hasOwnProperty.call(files, String(name))
    }

    function getMacroIniNames() {
        record("getMacroIniNames", [])
        return Object.keys(files).sort((a, b) => a.toLowerCase() < b.toLowerCase() ? -1 : 1)
                                 .map(n => n + ".bin")
    }

    function loadMacroIni(name) {
        record("loadMacroIni", [name])
        return exists(name) ? files[name].slice() : []
    }

    function saveMacroIni(name, steps) {
        var copy = []
        for (var i = 0; i < steps.length; ++i)
            copy.push(String(steps[i]))
        record("saveMacroIni", [name, copy])
        if (!exists(name) || !saveWorks)
            return false
        files[name] = copy
        return true
    }

    function loadMacroIniFromFile(name) {
        record("loadMacroIniFromFile", [name])
        if (importSteps !== null && exists(name))
            files[name] = importSteps.slice()
    }

    function saveMacroIniToFile(name) {
        record("saveMacroIniToFile", [name])
    }

    function renameMacroIniFile(oldName, newName) {
        record("renameMacroIniFile", [oldName, newName])
        if (!renameWorks || !exists(oldName) || exists(newName))
            return
        files[newName] = files[oldName]
        delete files[oldName]
    }

    function playMedia_Index(index) {
    }
}
