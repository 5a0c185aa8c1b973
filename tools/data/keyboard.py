"""The K3 keyboard: key names with their USB usages, and the drawn layout."""

import json
import os

# The 128 key names of the key-name table, with their USB keyboard usages.
KEY_NAMES = (
    [(chr(ord("A") + i), 0x04 + i) for i in range(26)]
    + [(str((i + 1) % 10), 0x1E + i) for i in range(10)]
    + [("Enter", 0x28), ("Esc", 0x29), ("Back", 0x2A), ("Tab", 0x2B), ("Space", 0x2C),
       ("- _", 0x2D), ("= +", 0x2E), ("[ {", 0x2F), ("] }", 0x30), ("\\ |", 0x31),
       ("Eur 1", 0x32), ("; :", 0x33), ("' \"", 0x34), ("` ~", 0x35), (", <", 0x36),
       (". >", 0x37), ("/ ?", 0x38), ("Caps", 0x39)]
    + [("F%d" % (i + 1), 0x3A + i) for i in range(12)]
    + [("Prt", 0x46), ("Scr", 0x47), ("Pau", 0x48), ("Ins", 0x49), ("Hom", 0x4A),
       ("PgU", 0x4B), ("Del", 0x4C), ("End", 0x4D), ("PgD", 0x4E),
       ("\u25ba", 0x4F), ("\u25c4", 0x50), ("\u25bc", 0x51), ("\u25b2", 0x52),
       ("Num", 0x53), ("KP /", 0x54), ("KP *", 0x55), ("KP -", 0x56), ("KP +", 0x57),
       ("KP Enter", 0x58)]
    + [("KP %d" % (i + 1), 0x59 + i) for i in range(9)]
    + [("KP 0", 0x62), ("KP .", 0x63), ("Eur 2", 0x64), ("App", 0x65), ("Power", 0x66),
       ("KP =", 0x67)]
    + [("F%d" % (i + 13), 0x68 + i) for i in range(12)]
    + [("KP ,", 0x85), ("Int'l 1", 0x87), ("Int'l 2", 0x88), ("Intl'2", 0x89),
       ("Int'l 4", 0x8A), ("Int'l 5", 0x8B), ("Lang 1", 0x90), ("Lang 2", 0x91),
       ("L Ctrl", 0xE0), ("L Shift", 0xE1), ("L Alt", 0xE2), ("L WIN", 0xE3),
       ("R Ctrl", 0xE4), ("R Shift", 0xE5), ("R Alt", 0xE6), ("R WIN", 0xE7)]
)
USAGE = dict(KEY_NAMES)

# Labels printed on a Spanish keyboard; every other key keeps its name.
SPANISH_LABEL = {
    "Enter": "INTRO", "Esc": "ESC", "Back": "RETROCEDER", "Tab": "TAB",
    "Space": "Espacio", "- _": "' ?", "= +": "\u00bf \u00a1", "[ {": "\u00b4 \u00a8",
    "] }": "+ *", "\\ |": "} ]", "Eur 1": "} ]", "; :": "\u00d1", "' \"": "{ [",
    "` ~": "| \u00b0", ", <": ", ;", ". >": ". :", "/ ?": "- _",
    "Caps": "BLQMAY\u00daS", "Prt": "IMPNTPTSIS", "Scr": "BLQDESPL",
    "Pau": "PAUSAINTER", "Ins": "INS", "Hom": "INIC", "PgU": "REPG", "Del": "SUPR",
    "End": "FIN", "PgD": "AVPG", "Num": "BLOQN\u00daM", "KP Enter": "KP INTRO",
    "Eur 2": "> <", "App": "MEN\u00da", "L Ctrl": "i CTRL", "L Shift": "i MAY\u00daS",
    "L Alt": "i ALTGR", "L WIN": "i WIN", "R Ctrl": "d CTRL", "R Shift": "d MAY\u00daS",
    "R Alt": "d ALTGR", "R WIN": "d WIN",
}

# Key-cap pictures: type -> (width, height) in pixels, shared with the skin generator.
PITCH = 32
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "keycaps.json")) as _f:
    CAP_TYPES = {int(t): tuple(size) for t, size in json.load(_f)["types"].items()}
# Units of key width -> key type.
WIDTH_TYPE = {1: 1, 1.25: 2, 1.5: 3, 1.75: 4, 2: 5, 2.25: 6, 2.75: 7, 6.25: 8}

MEDIA_Y = 0
ROW_Y = [26, 66, 98, 130, 162, 194]

# (x in units, width in units, name, matrix position, default code) per physical row.
# Matrix position = 16 x electrical row + column.
ROWS = [
    [(0, 1, "Esc", 0, None)]
    + [(2 + i + (i // 4) * 0.5, 1, "F%d" % (i + 1), 1 + i, None) for i in range(12)]
    + [(15.25, 1, "Prt", 13, None), (16.25, 1, "Scr", 14, None), (17.25, 1, "Pau", 15, None)],
    [(0, 1, "` ~", 16, None)]
    + [(1 + i, 1, str((i + 1) % 10), 17 + i, None) for i in range(10)]
    + [(11, 1, "- _", 27, None), (12, 1, "= +", 28, None), (13, 2, "Back", 29, None),
       (15.25, 1, "Ins", 30, None), (16.25, 1, "Hom", 31, None), (17.25, 1, "PgU", 62, None),
       (18.5, 1, "Num", 96, None), (19.5, 1, "KP /", 101, None), (20.5, 1, "KP *", 105, None),
       (21.5, 1, "KP -", 112, None)],
    [(0, 1.5, "Tab", 32, None)]
    + [(1.5 + i, 1, k, 33 + i, None) for i, k in enumerate("QWERTYUIOP")]
    + [(11.5, 1, "[ {", 43, None), (12.5, 1, "] }", 44, None), (13.5, 1.5, "\\ |", 45, None),
       (15.25, 1, "Del", 46, None), (16.25, 1, "End", 47, None), (17.25, 1, "PgD", 63, None),
       (18.5, 1, "KP 7", 97, None), (19.5, 1, "KP 8", 102, None), (20.5, 1, "KP 9", 106, None),
       (21.5, "tall", "KP +", 113, None)],
    [(0, 1.75, "Caps", 48, None)]
    + [(1.75 + i, 1, k, 49 + i, None) for i, k in enumerate("ASDFGHJKL")]
    + [(10.75, 1, "; :", 58, None), (11.75, 1, "' \"", 59, None), (12.75, 2.25, "Enter", 60, None),
       (18.5, 1, "KP 4", 98, None), (19.5, 1, "KP 5", 103, None), (20.5, 1, "KP 6", 107, None)],
    [(0, 1.25, "L Shift", 64, None), (1.25, 1, "Eur 2", 83, None)]
    + [(2.25 + i, 1, k, 65 + i, None) for i, k in enumerate("ZXCVBNM")]
    + [(9.25, 1, ", <", 72, None), (10.25, 1, ". >", 73, None), (11.25, 1, "/ ?", 74, None),
       (12.25, 2.75, "R Shift", 75, None), (16.25, 1, "\u25b2", 78, None),
       (18.5, 1, "KP 1", 99, None), (19.5, 1, "KP 2", 104, None), (20.5, 1, "KP 3", 108, None),
       (21.5, "tall", "KP Enter", 115, None)],
    [(0, 1.25, "L Ctrl", 80, None), (1.25, 1.25, "L WIN", 81, None), (2.5, 1.25, "L Alt", 82, None),
     (3.75, 6.25, "Space", 85, None), (10, 1.25, "R Alt", 88, None), (11.25, 1.25, "Fn", 89, 0),
     (12.5, 1.25, "App", 90, None), (13.75, 1.25, "R Ctrl", 91, None),
     (15.25, 1, "\u25c4", 94, None), (16.25, 1, "\u25bc", 95, None), (17.25, 1, "\u25ba", 79, None),
     (18.5, 2, "KP 0", 100, None), (20.5, 1, "KP .", 109, None)],
]

# The profile keys sit in the function row above the keypad.
PROFILE_KEYS = [(18.5 + i, "M%d" % (i + 1), 116 + i) for i in range(4)]

# Media keys above the cursor block and the keypad, with consumer-page codes.
MEDIA_KEYS = [("Prev", 122, 0x30B6), ("Play", 123, 0x30CD), ("Next", 124, 0x30B5),
              ("Stop", 125, 0x30B7), ("Mute", 111, 0x30E2), ("Vol-", 120, 0x30EA),
              ("Vol+", 121, 0x30E9), ("Calc", 110, 0x3192)]
MEDIA_X0 = 488
MEDIA_STEP = 29

MATRIX_SIZE = 128


def keys():
    """Every key as a dict (x, y, type, name, matrix, code), ordered by matrix position."""
    result = []
    for row, entries in enumerate(ROWS):
        for units, width, name, matrix, code in entries:
            key_type = 9 if width == "tall" else WIDTH_TYPE[width]
            result.append({"x": round(units * PITCH), "y": ROW_Y[row], "type": key_type,
                           "name": name, "matrix": matrix,
                           "code": USAGE[name] if code is None else code})
    for units, name, matrix in PROFILE_KEYS:
        result.append({"x": round(units * PITCH), "y": ROW_Y[0], "type": 11,
                       "name": name, "matrix": matrix, "code": 0})
    for i, (name, matrix, code) in enumerate(MEDIA_KEYS):
        result.append({"x": MEDIA_X0 + i * MEDIA_STEP, "y": MEDIA_Y, "type": 10,
                       "name": name, "matrix": matrix, "code": code})
    return sorted(result, key=lambda k: k["matrix"])


def spanish_label(name):
    return SPANISH_LABEL.get(name, name)
