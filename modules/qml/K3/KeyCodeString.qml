import QtQuick

// Key names, key codes and key-matrix positions of the keyboard, in both directions.
QtObject {
    id: keyCodeString

    // Prototype-free maps, so that a name such as "constructor" is not found where none was stored.
    property var str2keycode: Object.create(null)
    property var keycode2str: Object.create(null)
    property var matrix2keycode: Object.create(null)
    property var keycode2matrix: Object.create(null)

    // _HWDef: the hardware key table (two counts, then six values per key row);
    // _UsbStr/_UsbCode: key names and their codes, paired by position.
    function initUI(_HWDef, _UsbStr, _UsbCode) {
        if (_HWDef && _HWDef.length > 0) {
            var toCode = Object.create(null)
            var toMatrix = Object.create(null)
            // A table that claims more rows than it holds is read only as far as it goes.
            var rows = Math.min(Number(_HWDef[0]), Math.floor((_HWDef.length - 2) / 6))
            for (var i = 0; i < rows; ++i) {
                var matrix = Number(_HWDef[6 * i + 6])
                var code = Number(_HWDef[6 * i + 7])
                toCode[matrix] = code
                toMatrix[code] = matrix
            }
            matrix2keycode = toCode
            keycode2matrix = toMatrix
        }
        var names = _UsbStr || []
        var codes = _UsbCode || []
        var toKeycode = Object.create(null)
        var toStr = Object.create(null)
        for (var k = 0; k < Math.min(names.length, codes.length); ++k) {
            var value = Number(codes[k])
            toKeycode[names[k]] = value
            toStr[value] = String(names[k])
        }
        str2keycode = toKeycode
        keycode2str = toStr
    }

    function strTokeycode(str) {
        return str2keycode[str]
    }

    function keycodeTostr(keycode) {
        return keycode2str[keycode]
    }

    function matrixTokeycode(matrix) {
        return matrix2keycode[matrix]
    }

    function keycodeTomatrix(keycode) {
        return keycode2matrix[keycode]
    }

    // Position (1..8) of the lowest set bit of the low byte, 0 when none is set.
    function logByte(intByte) {
        var low = (intByte >>> 0) & 0xFF
        for (var bit = 0; bit < 8; ++bit) {
            if (low & (1 << bit))
                return bit + 1
        }
        return 0
    }
}
