.pragma library

// Value rules of the lighting page: effect codes, slider mappings, device
// conversions, interface texts, key rows and the static picture.

var NO_EFFECT = -1;
var PICTURE_FIRST = 0x33;
var PICTURE_COUNT = 5;
var EFFECT_COUNT = 12;
var LOOP_INDEX = 7;
var PICTURE_VALUES = 384;

var MENU_PAINTING = 0;
var MENU_EFFECTS = 1;

var DEFAULT_PALETTE = [255, 0, 0, 0, 255, 0, 255, 255, 0, 0, 0, 255,
                       0, 255, 255, 255, 0, 255, 255, 255, 255];

// Effect a profile returns to on reset, by profile 0..3.
var RESET_EFFECTS = [0x00, 0x09, 0x07, 0x06];

// Timer interval in ms per effect code 0x00..0x0B and speed level 1..7.
var INTERVALS = [
    [600, 900, 1200, 1500, 1800, 2100, 2400],
    [16, 48, 64, 96, 112, 144, 160],
    [37, 57, 77, 97, 117, 137, 157],
    [22, 66, 88, 132, 154, 198, 220],
    [15, 30, 45, 60, 75, 90, 105],
    [10, 20, 25, 35, 40, 50, 55],
    [7, 21, 28, 42, 49, 63, 70],
    [15, 20, 25, 30, 35, 40, 45],
    [30, 40, 50, 60, 70, 80, 90],
    [10, 20, 25, 35, 40, 50, 55],
    [7, 21, 28, 42, 49, 63, 70],
    [10, 15, 20, 25, 30, 35, 40]
];

// Built-in English texts of the interface strings the page shows.
var DEFAULT_TEXTS = {
    2: "LOOP", 3: "SPEED", 4: "BRIGHTNESS", 5: "DIRECTION", 6: "PAINTING", 7: "EFFECTS",
    8: "USER DEFINE 1", 9: "USER DEFINE 2", 10: "USER DEFINE 3", 11: "USER DEFINE 4",
    12: "USER DEFINE 5", 13: "STATIC", 14: "BREATHING", 15: "WAVE", 16: "INDUCTION DARKEN",
    17: "MARQUEE", 18: "RIPPLE", 19: "INDUCTION BRIGHTEN", 20: "NEON", 21: "MARQUEE COLORFUL",
    22: "RAINING", 23: "MARQUEE CIRCLE", 24: "SPOTLIGHT", 77: "RESET", 107: "APPLY"
};

// Interface text `index` of a string list, the built-in text while the list has none.
function text(strings, index) {
    var t = strings ? strings[index] : undefined;
    return (t === undefined || t === "") ? DEFAULT_TEXTS[index] : String(t);
}

function texts(strings, first, count) {
    var out = [];
    for (var i = 0; i < count; ++i)
        out.push(text(strings, first + i));
    return out;
}

function isPicture(code) {
    return code >= PICTURE_FIRST && code < PICTURE_FIRST + PICTURE_COUNT;
}

function isBuiltIn(code) {
    return code >= 0 && code < EFFECT_COUNT;
}

function isPaletteUsable(code) {
    return isPicture(code) || [0x00, 0x01, 0x02, 0x03, 0x05, 0x08, 0x09].indexOf(code) >= 0;
}

function isDirectionUsable(code) {
    return code === 0x06 || code === 0x0A;
}

function isSpeedUsable(code) {
    return isBuiltIn(code);
}

function isBrightnessUsable(code) {
    return isBuiltIn(code) || isPicture(code);
}

// Effect code chosen by the two menus; -1 while either has no choice.
function effectCode(firstMenu, secondMenu) {
    if (secondMenu < 0)
        return NO_EFFECT;
    if (firstMenu === MENU_PAINTING)
        return PICTURE_FIRST + secondMenu;
    if (firstMenu === MENU_EFFECTS)
        return secondMenu;
    return NO_EFFECT;
}

// Menu positions { first, second } that show a stored or reported effect.
function menusOfEffect(code) {
    if (isPicture(code))
        return { first: MENU_PAINTING, second: code - PICTURE_FIRST };
    if (code >= 0x00 && code <= 0x0C)
        return { first: MENU_EFFECTS, second: code };
    return { first: -1, second: -1 };
}

// Interval 0 means the preview timer does not run.
function timerInterval(code, speedLevel) {
    if (!isBuiltIn(code) || speedLevel < 1 || speedLevel > 7)
        return 0;
    return INTERVALS[code][speedLevel - 1];
}

function previewOpacity(level) {
    return level >= 1 ? 45 + Math.round(210 * level / 7) : 0;
}

function deviceBrightness(level) {
    return Math.round(level * 63 / 7);
}

// Slider position for a device brightness 0..63; -1 leaves the slider as it is.
function brightnessPosition(brightness) {
    if (brightness < 0 || brightness > 63)
        return -1;
    return Math.round(brightness * 7 / 63);
}

function speedPositionFromProfile(speed) {
    if (speed >= 7 || speed <= 0)
        return 1;
    return 8 - speed;
}

function speedPositionFromDevice(speed) {
    return speed <= 1 ? 7 : speedPositionFromProfile(speed);
}

// Speed level for a slider position the page sets; larger is slower.
function speedLevelOfPosition(position) {
    return (8 - position) % 8;
}

// Speed level for a slider position chosen with the mouse (0..6).
function speedLevelOfMouse(position) {
    return 7 - position;
}

function deviceDirection(direction) {
    return Math.max(direction - 1, 0) % 2;
}

function directionOfDevice(value) {
    return (value % 2) + 1;
}

var HEX = [];
for (var h = 0; h < 256; ++h)
    HEX.push((h < 16 ? "0" : "") + h.toString(16));

// "#rrggbb" of components 0..255. A colour property takes a text far faster than a
// Qt.rgba() value, which counts when ~120 keys change colour every few milliseconds.
function colourText(red, green, blue) {
    return "#" + HEX[red & 255] + HEX[green & 255] + HEX[blue & 255];
}

function paletteColour(palette, index) {
    var i = ((index % 7) + 7) % 7;
    return [Number(palette[3 * i]) || 0, Number(palette[3 * i + 1]) || 0, Number(palette[3 * i + 2]) || 0];
}

// A list read from a profile: numbers as texts, possibly short. Gives `count`
// numbers, missing or foreign elements as 0; an empty list gives null.
function numbersOf(list, count) {
    if (!list || list.length === 0)
        return null;
    var out = new Array(count);
    for (var i = 0; i < count; ++i) {
        var v = i < list.length ? parseInt(list[i], 10) : 0;
        out[i] = isNaN(v) ? 0 : v;
    }
    return out;
}

function filled(count, value) {
    var a = new Array(count);
    for (var i = 0; i < count; ++i)
        a[i] = value;
    return a;
}

// Key rows of a hardware key table: two counts, then x, y, key type, name,
// key position and key code per row. A table shorter than it claims is read
// only as far as it goes.
function keyRows(table) {
    if (!table || table.length < 2)
        return [];
    var count = Math.min(Number(table[0]) || 0, Math.floor((table.length - 2) / 6));
    var rows = [];
    for (var i = 0; i < count; ++i) {
        var at = 2 + 6 * i;
        rows.push({ x: Number(table[at]) || 0, y: Number(table[at + 1]) || 0,
                    keyType: Number(table[at + 2]) || 0, name: String(table[at + 3]),
                    position: Number(table[at + 4]), keyCode: Number(table[at + 5]) || 0 });
    }
    return rows;
}

// Label size in pixels of the key at a position for an interface language.
function zeroPicture() {
    return filled(PICTURE_VALUES, 0);
}

var RED = [255, 0, 0];
var YELLOW = [255, 255, 0];
var GREEN = [0, 255, 0];
var BLUE = [0, 0, 255];
var MAGENTA = [255, 0, 255];
var WHITE = [255, 255, 255];
var BLACK = [0, 0, 0];

// Static picture: [first position, last position, colour], in position order.
var STATIC_RANGES = [
    [0, 15, RED], [16, 31, YELLOW], [32, 47, GREEN], [48, 60, BLUE], [61, 61, BLACK],
    [62, 62, YELLOW], [63, 63, GREEN], [64, 75, MAGENTA], [76, 77, BLACK], [78, 78, MAGENTA],
    [79, 82, WHITE], [83, 83, MAGENTA], [84, 84, BLACK], [85, 85, WHITE], [86, 87, BLACK],
    [88, 91, WHITE], [92, 93, BLACK], [94, 95, WHITE], [96, 96, YELLOW], [97, 97, GREEN],
    [98, 98, BLUE], [99, 99, MAGENTA], [100, 100, WHITE], [101, 101, YELLOW], [102, 102, GREEN],
    [103, 103, BLUE], [104, 104, MAGENTA], [105, 105, YELLOW], [106, 106, GREEN],
    [107, 107, BLUE], [108, 108, MAGENTA], [109, 109, WHITE], [110, 110, MAGENTA],
    [111, 111, WHITE], [112, 112, YELLOW], [113, 113, GREEN], [114, 114, BLACK],
    [115, 115, MAGENTA], [116, 117, RED], [118, 119, YELLOW], [120, 120, GREEN],
    [121, 121, BLUE], [122, 122, MAGENTA], [123, 123, WHITE], [124, 124, GREEN],
    [125, 125, BLUE], [126, 127, BLACK]
];

function staticColour(position) {
    for (var i = 0; i < STATIC_RANGES.length; ++i) {
        if (position <= STATIC_RANGES[i][1])
            return position >= STATIC_RANGES[i][0] ? STATIC_RANGES[i][2] : BLACK;
    }
    return BLACK;
}

// Rectangles {x, y, width, height}; edges that touch count as overlapping.
function rectsOverlap(a, b) {
    return a.x <= b.x + b.width && b.x <= a.x + a.width
        && a.y <= b.y + b.height && b.y <= a.y + a.height;
}
