import QtQuick
import QtTest
import "qrc:/modules/qml/K3/MacroSteps.js" as Steps

TestCase {
    id: testCase

    name: "MacroSteps"

    function test_tags() {
        compare(Steps.PRESS_TAG, "       [\u25BC]")
        compare(Steps.RELEASE_TAG, "       [\u25B2]")
        compare(Steps.PAUSE_TAG, "      [ms]")
        compare(Steps.PRESS_TAG.length, 10)
        compare(Steps.PAUSE_TAG.length, 10)
    }

    function test_steps_split_into_value_and_tag() {
        compare(Steps.stepValue("L Shift" + Steps.PRESS_TAG), "L Shift")
        compare(Steps.stepTag("L Shift" + Steps.PRESS_TAG), Steps.PRESS_TAG)
        compare(Steps.stepValue("65535" + Steps.PAUSE_TAG), "65535")
        // A damaged step shorter than a tag keeps its text as the tag, never throws.
        compare(Steps.stepValue("0"), "")
        compare(Steps.stepTag("0"), "0")
    }

    function test_pause_delay_data() {
        return [
            { tag: "below minimum", text: "5", delay: 10 },
            { tag: "zero", text: "0", delay: 10 },
            { tag: "minimum", text: "10", delay: 10 },
            { tag: "ordinary", text: "250", delay: 250 },
            { tag: "maximum", text: "65535", delay: 65535 },
            { tag: "above maximum", text: "99999", delay: 65535 },
            { tag: "empty", text: "", delay: 10 },
            { tag: "leading zeros", text: "00042", delay: 42 }
        ]
    }

    function test_pause_delay(data) {
        compare(Steps.pauseDelay(data.text), data.delay)
    }

    function test_rename_allowed_data() {
        var names = ["Macro. 001", "Macro. 002", "Jump"]
        return [
            { tag: "new name", to: "Dash", names: names, allowed: true },
            { tag: "unchanged", to: "Macro. 001", names: names, allowed: false },
            { tag: "case change of itself", to: "MACRO. 001", names: names, allowed: true },
            { tag: "blank", to: "   ", names: names, allowed: false },
            { tag: "empty", to: "", names: names, allowed: false },
            { tag: "existing", to: "Jump", names: names, allowed: false },
            { tag: "existing other case", to: "macro. 002", names: names, allowed: false },
            { tag: "slash", to: "../evil", names: names, allowed: false },
            { tag: "backslash", to: "a\\b", names: names, allowed: false }
        ]
    }

    function test_rename_allowed(data) {
        compare(Steps.renameAllowed("Macro. 001", data.to, data.names), data.allowed)
    }

    function test_encoded_size_counts_what_the_keyboard_stores() {
        var codes = { "A": 4, "Nothing": 0, "Wide": 256 }
        var codeOf = name => codes[name]
        compare(Steps.encodedSize([], codeOf), 4)
        compare(Steps.encodedSize(["A" + Steps.PRESS_TAG, "A" + Steps.RELEASE_TAG], codeOf), 8)
        // Unknown keys, keys with code 0 (also after cutting to a byte), empty or
        // unreadable pauses and damaged tags take no room.
        compare(Steps.encodedSize(["Z" + Steps.PRESS_TAG, "Nothing" + Steps.PRESS_TAG, "Wide" + Steps.RELEASE_TAG,
                                   "0" + Steps.PAUSE_TAG, "x" + Steps.PAUSE_TAG, "A      [\u25BC]"], codeOf), 4)
        compare(Steps.encodedSize(["5" + Steps.PAUSE_TAG, "65535" + Steps.PAUSE_TAG], codeOf), 12)
    }
}
