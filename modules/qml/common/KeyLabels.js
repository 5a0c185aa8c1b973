.pragma library

// Key labels of the Spanish keyboard, by the English key name of the key-name table.
// Keys whose label does not change map to themselves.
var unchanged = [
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
    "►", "◄", "▼", "▲",
    "KP /", "KP *", "KP -", "KP +", "KP 1", "KP 2", "KP 3", "KP 4", "KP 5",
    "KP 6", "KP 7", "KP 8", "KP 9", "KP 0", "KP .",
    "Power", "KP =", "KP ,", "Int'l 1", "Intl'2", "Int'l 2", "Int'l 4", "Int'l 5", "Lang 1", "Lang 2"
]

// The backslash key comes before "Eur 1" so that the shared Spanish label "} ]" reads back as "Eur 1".
var changed = [
    ["Enter", "INTRO"], ["Esc", "ESC"], ["Back", "RETROCEDER"], ["Tab", "TAB"], ["Space", "Espacio"],
    ["- _", "' ?"], ["= +", "¿ ¡"], ["[ {", "´ ¨"], ["] }", "+ *"],
    ["\\ |", "} ]"], ["Eur 1", "} ]"], ["; :", "Ñ"], ["' \"", "{ ["], ["` ~", "| °"],
    [", <", ", ;"], [". >", ". :"], ["/ ?", "- _"],
    ["Caps", "BLQMAYÚS"], ["Prt", "IMPNTPTSIS"], ["Scr", "BLQDESPL"], ["Pau", "PAUSAINTER"],
    ["Ins", "INS"], ["Hom", "INIC"], ["PgU", "REPG"], ["Del", "SUPR"], ["End", "FIN"], ["PgD", "AVPG"],
    ["Num", "BLOQNÚM"], ["KP Enter", "KP INTRO"], ["Eur 2", "> <"], ["App", "MENÚ"],
    ["L Ctrl", "i CTRL"], ["L Shift", "i MAYÚS"], ["L Alt", "i ALTGR"], ["L WIN", "i WIN"],
    ["R Ctrl", "d CTRL"], ["R Shift", "d MAYÚS"], ["R Alt", "d ALTGR"], ["R WIN", "d WIN"]
]

function pairs() {
    return unchanged.map(name => [name, name]).concat(changed)
}

function table(from, to) {
    var map = Object.create(null)
    pairs().forEach(pair => map[pair[from]] = pair[to])
    return map
}

var enTosp = table(0, 1)
var sptoen = table(1, 0)
