import QtQuick
import QtTest
import "qrc:/modules/qml/common/KeyLabels.js" as KeyLabels

// The key-label tables and the key-code lookups the pages rely on.
TestCase {
    id: testCase

    name: "Tables"

    function keyCodeString() {
        var component = Qt.createComponent("qrc:/modules/qml/K3/KeyCodeString.qml")
        verify(component.status === Component.Ready, component.errorString())
        return createTemporaryObject(component, testCase)
    }

    function test_enTosp_has_all_128_labels() {
        compare(Object.keys(KeyLabels.enTosp).length, 128)
        var changed = Object.keys(KeyLabels.enTosp).filter(en => KeyLabels.enTosp[en] !== en)
        compare(changed.length, 39)
    }

    function test_enTosp_labels_data() {
        return [
            { en: "Enter", sp: "INTRO" }, { en: "Back", sp: "RETROCEDER" }, { en: "Space", sp: "Espacio" },
            { en: "- _", sp: "' ?" }, { en: "= +", sp: "¿ ¡" }, { en: "[ {", sp: "´ ¨" }, { en: "] }", sp: "+ *" },
            { en: "\\ |", sp: "} ]" }, { en: "Eur 1", sp: "} ]" }, { en: "; :", sp: "Ñ" },
            { en: "' \"", sp: "{ [" }, { en: "` ~", sp: "| °" }, { en: ", <", sp: ", ;" },
            { en: ". >", sp: ". :" }, { en: "/ ?", sp: "- _" }, { en: "Caps", sp: "BLQMAYÚS" },
            { en: "Prt", sp: "IMPNTPTSIS" }, { en: "Num", sp: "BLOQNÚM" }, { en: "KP Enter", sp: "KP INTRO" },
            { en: "Eur 2", sp: "> <" }, { en: "App", sp: "MENÚ" }, { en: "L Alt", sp: "i ALTGR" },
            { en: "R Shift", sp: "d MAYÚS" }, { en: "R WIN", sp: "d WIN" },
            { en: "Q", sp: "Q" }, { en: "7", sp: "7" }, { en: "F24", sp: "F24" }, { en: "◄", sp: "◄" },
            { en: "KP 5", sp: "KP 5" }, { en: "KP ,", sp: "KP ," }, { en: "Intl'2", sp: "Intl'2" },
            { en: "Int'l 2", sp: "Int'l 2" }, { en: "Lang 2", sp: "Lang 2" }, { en: "Power", sp: "Power" }
        ]
    }

    function test_enTosp_labels(data) {
        compare(KeyLabels.enTosp[data.en], data.sp)
    }

    function test_sptoen_reverses_every_pair() {
        // 128 pairs, two of which share the Spanish label "} ]".
        compare(Object.keys(KeyLabels.sptoen).length, 127)
        for (var en in KeyLabels.enTosp) {
            var back = KeyLabels.sptoen[KeyLabels.enTosp[en]]
            compare(back, en === "\\ |" ? "Eur 1" : en, "round trip of " + en)
        }
    }

    function test_sptoen_special_rules() {
        compare(KeyLabels.sptoen["} ]"], "Eur 1")
        compare(KeyLabels.sptoen["- _"], "/ ?")
        compare(KeyLabels.sptoen["' ?"], "- _")
    }

    function test_tables_hold_only_their_own_labels() {
        compare(KeyLabels.enTosp["constructor"], undefined)
        compare(KeyLabels.sptoen["toString"], undefined)
        compare(KeyLabels.enTosp["INTRO"], undefined)
    }

    function test_keyCodeString_maps() {
        var k = keyCodeString()
        // Two rows: x, y, type, name, matrix, code; the table claims three but holds two.
        k.initUI([3, 128, 0, 0, 1, "A", 4, 4, 10, 0, 1, "B", "5", "5"], ["A", "B", "A", "C"], ["4", "5", "30"])
        compare(k.matrixTokeycode(4), 4)
        compare(k.matrixTokeycode(5), 5)
        compare(k.keycodeTomatrix(5), 5)
        compare(k.matrixTokeycode(6), undefined)
        // The later "A" wins; "C" has no code.
        compare(k.strTokeycode("A"), 30)
        compare(k.keycodeTostr(30), "A")
        compare(k.keycodeTostr(4), "A")
        compare(k.strTokeycode("C"), undefined)
        compare(k.strTokeycode("constructor"), undefined)
        compare(k.keycodeTostr(99), undefined)
    }

    function test_keyCodeString_empty_table_keeps_matrix_maps() {
        var k = keyCodeString()
        k.initUI([1, 128, 0, 0, 1, "A", 4, 4], ["A"], ["4"])
        k.initUI([], ["B"], ["5"])
        compare(k.matrixTokeycode(4), 4)
        compare(k.strTokeycode("B"), 5)
        compare(k.strTokeycode("A"), undefined)
    }

    function test_logByte_data() {
        return [
            { tag: "none", value: 0, bit: 0 }, { tag: "bit 1", value: 1, bit: 1 },
            { tag: "bit 8", value: 0x80, bit: 8 }, { tag: "lowest wins", value: 0x1A0, bit: 6 },
            { tag: "above the low byte", value: 0x100, bit: 0 }, { tag: "negative", value: -1, bit: 1 },
            { tag: "mixed", value: 0x0C, bit: 3 }
        ]
    }

    function test_logByte(data) {
        compare(keyCodeString().logByte(data.value), data.bit)
    }
}
