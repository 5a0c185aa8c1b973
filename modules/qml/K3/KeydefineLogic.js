.pragma library

// Exact rules of the key assignment page, kept free of items so tests can call them.

var kindKeyboard = 0
var kindMedia = 1
var kindMacro = 2
var kindNone = -1

// Interface strings of the first menu, in kind order, and their built-in texts.
var kindStrings = [46, 48, 50]
var kindDefaultNames = ["KEYBOARD", "MEDIA", "MACRO"]

var mediaCodes = [0x30B5, 0x30B6, 0x30B7, 0x30CD, 0x30E2, 0x30E9, 0x30EA, 0x3183, 0x318A,
                  0x3192, 0x3194, 0x3221, 0x3223, 0x3224, 0x3225, 0x3226, 0x3227, 0x322A]
var mediaFirstString = 56
var mediaDefaultNames = ["NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE",
                         "VOLUME UP", "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR",
                         "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK", "WWW FORWARD",
                         "WWW STOP", "WWW REFRESH", "WWW FAVORITES"]

// Fn, the four profile keys: the keyboard needs them as they are.
var lockedPositions = [89, 116, 117, 118, 119]
var firstProfileKey = 116

var emptyFieldTexts = ["【 KEYS 】", "【 TECLAS 】"]
var clearFieldText = "╳"

// Highest device macro slot; a macro file outside 0..lastMacroSlot is not bound.
var lastMacroSlot = 16

function kindOf(code) {
    switch ((code >> 12) & 0xF) {
    case 0x0: return kindKeyboard
    case 0x3: return kindMedia
    case 0x4: return kindMacro
    default: return kindNone
    }
}

function mediaPosition(code) {
    return mediaCodes.indexOf(code & 0xFFFF)
}

function macroKeyCode(config) {
    return 0x4000 | ((Number(config[1]) << 8) & 0x0F00) | (Number(config[0]) & 0xFF)
}

function isBoundSlot(index) {
    var slot = Number(index)
    return Number.isInteger(slot) && slot >= 0 && slot <= lastMacroSlot
}

// A profile pair is [low byte, high byte], possibly as texts; an absent one keeps the fallback.
function codeFromPair(pair, fallback) {
    if (!pair || pair.length < 2)
        return fallback
    return (Number(pair[0]) & 0xFF) | ((Number(pair[1]) << 8) & 0xFF00)
}

function matrixBytes(codes) {
    var bytes = []
    for (var i = 0; i < codes.length; ++i)
        bytes.push(codes[i] & 0xFF, (codes[i] >> 8) & 0xFF)
    return bytes
}

function isLocked(matrix) {
    return lockedPositions.indexOf(matrix) >= 0
}

function profileOfKey(matrix) {
    var p = matrix - firstProfileKey
    return p >= 0 && p < 4 ? p : -1
}

// Label size when the keyboard model is built.
function buildFontSize(matrix, lang) {
    if (matrix === 83)
        return 14
    if (lang !== 0) {
        if ([13, 14, 15, 29, 48, 96, 115].indexOf(matrix) >= 0)
            return 7
        if (matrix === 85)
            return 16
        if (matrix === 28)
            return 12
    }
    return 9
}

// Label size after a layout change; positions the rule does not name keep their size.
function languageFontSize(matrix, lang, current) {
    if (lang !== 0) {
        if (matrix === 48 || matrix === 29)
            return 7
        if (matrix === 85)
            return 12
    } else if ([48, 64, 85, 29, 75].indexOf(matrix) >= 0) {
        return 10
    }
    return current
}

// Key rows of a hardware key table: [R, F, x, y, keyType, name, matrix, keyCode, ...].
// Rows cut short by the end of the table and rows naming a position outside 0..F-1 are skipped.
function keyRows(table) {
    var rows = []
    if (!table || table.length < 2)
        return rows
    var count = Number(table[0])
    var positions = Number(table[1])
    for (var r = 0; r < count; ++r) {
        var at = 2 + 6 * r
        if (at + 6 > table.length)
            break
        var matrix = Number(table[at + 4])
        if (!(matrix >= 0 && matrix < positions))
            continue
        rows.push({ x: Number(table[at]) || 0, y: Number(table[at + 1]) || 0,
                    keyType: Number(table[at + 2]) || 0, name: String(table[at + 3]),
                    matrix: matrix, keyCode: Number(table[at + 5]) || 0 })
    }
    return rows
}

function matrixSize(table) {
    return table && table.length >= 2 ? Math.max(0, Number(table[1]) || 0) : 0
}

// What the key field shows: the key's label, the empty-field text, or the clear sign while hovered.
function keyFieldText(label, lang, hovered) {
    if (hovered)
        return clearFieldText
    if (label !== undefined && label !== null && String(label) !== "")
        return String(label)
    return emptyFieldTexts[lang === 0 ? 0 : 1]
}

// The label of a key name as the current layout prints it; undefined when there is none.
function keyLabel(name, layout, enTosp) {
    if (name === undefined || name === null || String(name) === "")
        return undefined
    if (layout === 0)
        return String(name)
    return enTosp ? enTosp[name] : undefined
}

function macroNames(fileNames) {
    var names = []
    for (var i = 0; i < fileNames.length; ++i)
        names.push(String(fileNames[i]).slice(0, -4))
    return names
}

// Position of the last macro whose stored slot is the key code's slot; -1 if none.
function macroPosition(configs, slot) {
    var found = -1
    for (var i = 0; i < configs.length; ++i) {
        if (configs[i] && configs[i].length >= 1 && Number(configs[i][0]) === slot)
            found = i
    }
    return found
}
