.pragma library

// Interface texts before a language is loaded; position 0 is the font family.
var strings = [
    "Exo", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS",
    "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5",
    "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE", "INDUCTION BRIGHTEN",
    "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE", "SPOTLIGHT", "ROTATION",
    "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF", "TEXT", "SIZE", "COLOR",
    "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5",
    "MACRO", "ACTION", "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO",
    "LEFT", "RIGHT", "MIDDLE", "B4", "B5",
    "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP", "VOLUME DOWN",
    "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK",
    "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES",
    "KEY", "MACRO", "COLOR", "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE", "COPY",
    "LOAD", "SAVE", "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING", "FINGER MOVING",
    "VERTICAL FLIPPING", "YO-YO", "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH", "NORMAL PLAY", "TIMES",
    "ALWAYS REPEAT", "REPEAT ON PRESSED", "POLLING RATE", "CURSOR SPEED", "VERTICAL SCROLL SPEED",
    "DOUBLE CLICK SPEED", "DPI LEVEL", "DPI INDICATOR LED", "DEFAULT", "APPLY", "SCROLL SWAP",
    "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET", "ALL SAVE", "RECORD",
    "", "", "", "", "", "", "", "", ""
]

var palette = [[0, 255, 255], [255, 200, 150], [255, 180, 0], [200, 200, 100],
               [200, 170, 255], [255, 180, 180], [160, 190, 160]]

// English, whose texts are the built-in ones.
var englishCode = "031000"

// Text opacity of a brightness position 0..7, out of 255.
function brightnessValue(position) {
    return 45 + position * 210 / 7
}

// The shipped text colour is the first skin's: while it is the one chosen, texts take the
// colour of the skin shown instead. A colour the user picks is kept as picked.
function skinTextRgb(rgb, skinRgb) {
    return rgb.every((c, i) => c === palette[0][i]) ? skinRgb : rgb
}

// The interface text colour, as [r, g, b, a] in 0..1: the chosen colour at the chosen brightness,
// but never so faint or so dark that it cannot be read on the dark scene. The brightness keeps
// its whole range above a floor of half opacity; a dark colour is lifted toward white until its
// luminance reaches 0.4.
function textColour(rgb, position) {
    var luminance = (0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2]) / 255
    var lift = luminance < 0.4 ? (0.4 - luminance) / (1 - luminance) : 0
    var channels = rgb.map(c => (c + (255 - c) * lift) / 255)
    return channels.concat([0.5 + 0.5 * brightnessValue(position) / 255])
}

// A language's texts over the built-in ones: a position the language leaves out or empty keeps its built-in text.
function mergedStrings(loaded) {
    var list = loaded ? Array.from(loaded, String) : []
    return strings.map((text, i) => (i < list.length && list[i] !== "") ? list[i] : text)
        .concat(list.slice(strings.length))
}

// Stored settings come back as texts; a saved false must read back as false.
function toBool(value) {
    return value === true || String(value).toLowerCase() === "true" || Number(value) === 1
}

// The 32 stored positions, from the page's values.
function configList(v) {
    var list = [1, v.skin, v.sound, v.animation, v.language, v.customBackground, v.customBackgroundUrl, v.size]
    v.palette.forEach(rgb => list.push(rgb[0], rgb[1], rgb[2]))
    return list.concat([v.chosenColor, v.brightness, v.url])
}

// An absolute path from the file dialog as a file URL (Windows paths start with a drive letter).
function fileUrl(path) {
    return path.startsWith("/") ? "file://" + path : "file:///" + path
}
