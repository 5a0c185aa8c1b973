import QtQuick
import QtTest
import "qrc:/modules/qml/K3/KeydefineLogic.js" as Logic

// Rules the page tests reach only in part: masking of the code fields and damaged input.
TestCase {
    name: "KeydefineLogic"

    function test_code_fields_keep_to_their_bits() {
        compare(Logic.kindOf(0xF0FF), Logic.kindNone)
        compare(Logic.kindOf(0x1004), Logic.kindNone)
        compare(Logic.macroKeyCode(["16", "2"]), 0x4210)
        compare(Logic.macroKeyCode([5, 0x1F]), 0x4F05)
        compare(Logic.macroKeyCode([-1, 1]), 0x41FF)
        // Same low byte in another media group is another function.
        compare(Logic.mediaPosition(0x3294), -1)
        verify(Logic.isBoundSlot("16") && !Logic.isBoundSlot(17) && !Logic.isBoundSlot("x"))
    }

    function test_profile_pairs() {
        compare(Logic.codeFromPair([0x104, 0x141], 9), 0x4104)
        // An absent or damaged entry keeps the key's default instead of erasing the key.
        compare(Logic.codeFromPair([], 41), 41)
        compare(Logic.codeFromPair(["7"], 41), 41)
        compare(Logic.codeFromPair(undefined, 41), 41)
    }

    function test_damaged_tables() {
        compare(Logic.keyRows(["1", "4", "5", "6", "1", "A", "3", "4"])[0].x, 5)
        // More rows claimed than held, and a row outside the matrix.
        compare(Logic.keyRows([3, 4, 0, 0, 1, "A", 1, 4, 0, 0, 1, "B", 9, 5]).length, 1)
        compare(Logic.keyRows([]).length, 0)
        compare(Logic.matrixSize([]), 0)
        compare(Logic.macroPosition([[5, 1], [], ["5", "2"], [6, 1]], 5), 2)
    }
}
