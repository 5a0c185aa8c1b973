import QtQuick
import QtTest
import "qrc:/modules/qml/K3/KeydefineLogic.js" as Logic

TestCase {
    name: "KeydefineLogic"

    function test_kind_by_high_nibble_data() {
        return [
            { tag: "usage A", code: 0x0004, kind: Logic.kindKeyboard },
            { tag: "no function", code: 0x0000, kind: Logic.kindKeyboard },
            { tag: "media", code: 0x3194, kind: Logic.kindMedia },
            { tag: "macro", code: 0x4205, kind: Logic.kindMacro },
            { tag: "unknown 1", code: 0x1004, kind: Logic.kindNone },
            { tag: "unknown F", code: 0xF0FF, kind: Logic.kindNone }
        ]
    }

    function test_kind_by_high_nibble(data) {
        compare(Logic.kindOf(data.code), data.kind)
    }

    function test_media_table() {
        compare(Logic.mediaCodes.length, 18)
        compare(Logic.mediaPosition(0x30B5), 0)
        compare(Logic.mediaPosition(0x3194), 10)
        compare(Logic.mediaPosition(0x322A), 17)
        compare(Logic.mediaPosition(0x3195), -1)
        // Same low byte in another group is another function.
        compare(Logic.mediaPosition(0x3294), -1)
        compare(Logic.mediaDefaultNames.length, 18)
    }

    function test_macro_key_code() {
        compare(Logic.macroKeyCode([3, 1]), 0x4103)
        compare(Logic.macroKeyCode(["16", "2"]), 0x4210)
        // Repeat keeps to its nibble, the slot to its byte.
        compare(Logic.macroKeyCode([5, 0x1F]), 0x4F05)
        compare(Logic.macroKeyCode([-1, 1]), 0x41FF)
        verify(Logic.isBoundSlot(0) && Logic.isBoundSlot("16"))
        verify(!Logic.isBoundSlot(-1) && !Logic.isBoundSlot(17) && !Logic.isBoundSlot("x"))
    }

    function test_macro_lookup() {
        compare(Logic.macroNames(["Macro. 001.bin", "Jump.bin"]), ["Macro. 001", "Jump"])
        // The last listed macro with the slot wins; unreadable configs are skipped.
        compare(Logic.macroPosition([[5, 1], [], ["5", "2"], [6, 1]], 5), 2)
        compare(Logic.macroPosition([[-1, 1]], 255), -1)
    }

    function test_profile_pairs() {
        compare(Logic.codeFromPair(["4", "0"], 9), 0x0004)
        compare(Logic.codeFromPair([0x94, 0x31], 9), 0x3194)
        compare(Logic.codeFromPair([0x104, 0x141], 9), 0x4104)
        // An absent entry keeps the key's default instead of erasing the key.
        compare(Logic.codeFromPair([], 41), 41)
        compare(Logic.codeFromPair(["7"], 41), 41)
        compare(Logic.codeFromPair(undefined, 41), 41)
    }

    function test_matrix_bytes_low_byte_first() {
        compare(Logic.matrixBytes([0x0004, 0x3194, 0x4103]), [0x04, 0x00, 0x94, 0x31, 0x03, 0x41])
        compare(Logic.matrixBytes([]), [])
    }

    function test_locked_positions() {
        var locked = []
        for (var m = 0; m < 128; ++m) {
            if (Logic.isLocked(m))
                locked.push(m)
        }
        compare(locked, [89, 116, 117, 118, 119])
        compare(Logic.profileOfKey(116), 0)
        compare(Logic.profileOfKey(119), 3)
        compare(Logic.profileOfKey(120), -1)
        compare(Logic.profileOfKey(89), -1)
    }

    function test_font_sizes() {
        compare(Logic.buildFontSize(13, 0), 9)
        compare(Logic.buildFontSize(13, 1), 7)
        compare(Logic.buildFontSize(85, 1), 16)
        compare(Logic.buildFontSize(28, 1), 12)
        compare(Logic.buildFontSize(83, 0), 14)
        compare(Logic.buildFontSize(83, 1), 14)
        compare(Logic.languageFontSize(48, 1, 9), 7)
        compare(Logic.languageFontSize(85, 1, 16), 12)
        compare(Logic.languageFontSize(64, 1, 9), 9)
        compare(Logic.languageFontSize(64, 0, 9), 10)
        compare(Logic.languageFontSize(13, 0, 7), 7)
    }

    function test_key_rows_from_table() {
        var rows = Logic.keyRows([2, 126, 10, 20, 1, "Esc", 0, 41, 50, 20, 1, "F1", 1, 58])
        compare(rows.length, 2)
        compare(rows[1].name, "F1")
        compare(rows[1].matrix, 1)
        compare(rows[1].keyCode, 58)
        // Rows as the profile reader gives them: texts.
        compare(Logic.keyRows(["1", "4", "5", "6", "1", "A", "3", "4"])[0].x, 5)
        // A table that claims more rows than it holds, and a row outside the matrix.
        compare(Logic.keyRows([3, 4, 0, 0, 1, "A", 1, 4, 0, 0, 1, "B", 9, 5]).length, 1)
        compare(Logic.keyRows([]).length, 0)
        compare(Logic.matrixSize([0, 0]), 0)
        compare(Logic.matrixSize([]), 0)
    }

    function test_key_field_text() {
        compare(Logic.keyFieldText("A", 0, false), "A")
        compare(Logic.keyFieldText(undefined, 0, false), "【 KEYS 】")
        compare(Logic.keyFieldText("", 1, false), "【 TECLAS 】")
        compare(Logic.keyFieldText("A", 1, true), "╳")
        compare(Logic.keyLabel("; :", 0, {}), "; :")
        compare(Logic.keyLabel("; :", 1, { "; :": "Ñ" }), "Ñ")
        compare(Logic.keyLabel("Power", 1, { "; :": "Ñ" }), undefined)
        compare(Logic.keyLabel(undefined, 0, {}), undefined)
    }
}
