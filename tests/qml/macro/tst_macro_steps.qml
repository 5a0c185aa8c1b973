import QtQuick
import QtTest
import "qrc:/modules/qml/K3/MacroSteps.js" as Steps

TestCase {
    id: testCase

    readonly property var enTosp: ({ "A": "A", "Enter": "INTRO", "; :": "Ñ", "/ ?": "- _",
                                     "\\ |": "} ]", "Eur 1": "} ]" })

    name: "MacroSteps"

    function test_tags() {
        compare(Steps.PRESS_TAG, "       [\u25BC]");
        compare(Steps.RELEASE_TAG, "       [\u25B2]");
        compare(Steps.PAUSE_TAG, "      [ms]");
        compare(Steps.PRESS_TAG.length, 10);
        compare(Steps.PAUSE_TAG.length, 10);
    }

    function test_steps_split_into_value_and_tag() {
        compare(Steps.stepValue("L Shift" + Steps.PRESS_TAG), "L Shift");
        compare(Steps.stepTag("L Shift" + Steps.PRESS_TAG), Steps.PRESS_TAG);
        compare(Steps.stepValue("65535" + Steps.PAUSE_TAG), "65535");
        // A damaged step shorter than a tag keeps its text as the tag, never throws.
        compare(Steps.stepValue("0"), "");
        compare(Steps.stepTag("0"), "0");
    }

    function test_layout_conversion_data() {
        return [
            { tag: "layout 0 shows names", layout: 0, stored: "Enter", shown: "Enter" },
            { tag: "layout 1 shows labels", layout: 1, stored: "Enter", shown: "INTRO" },
            { tag: "layout 1 label missing", layout: 1, stored: "Mystery", shown: "Mystery" },
            { tag: "layout 1 multi-character", layout: 1, stored: "; :", shown: "Ñ" },
            { tag: "layout 1 shared label", layout: 1, stored: "\\ |", shown: "} ]" },
            { tag: "layout 1 pause", layout: 1, stored: "250", shown: "250" }
        ];
    }

    function test_layout_conversion(data) {
        var tag = data.stored === "250" ? Steps.PAUSE_TAG : Steps.RELEASE_TAG;
        var rows = Steps.rowsFromSteps([data.stored + tag], data.layout, enTosp);
        compare(rows.length, 1);
        compare(rows[0].textX, data.shown);
        compare(rows[0].textR, tag);
        // Saving gives back exactly the loaded step, whatever the label.
        compare(Steps.stepsFromRows(rows), [data.stored + tag]);
    }

    function test_usable_key_name() {
        compare(Steps.usableKeyName("Enter", 0, enTosp), "Enter");
        compare(Steps.usableKeyName("Enter", 1, enTosp), "Enter");
        compare(Steps.usableKeyName(undefined, 0, enTosp), undefined);
        // In layout 1 a key without a Spanish label cannot be recorded.
        compare(Steps.usableKeyName("Mystery", 1, enTosp), undefined);
        compare(Steps.usableKeyName("Mystery", 0, enTosp), "Mystery");
    }

    function test_new_rows_show_labels_and_keep_names() {
        var rows = Steps.keyRows("Enter", 1, enTosp);
        compare(rows.length, 2);
        compare([rows[0].textX, rows[1].textX], ["INTRO", "INTRO"]);
        compare(Steps.stepsFromRows(rows), ["Enter" + Steps.PRESS_TAG, "Enter" + Steps.RELEASE_TAG]);
        compare(Steps.stepOfRow(Steps.recordedRow(false, "; :", 1, enTosp)), "; :" + Steps.RELEASE_TAG);
        compare(Steps.stepOfRow(Steps.pauseRow(10)), "10" + Steps.PAUSE_TAG);
    }

    function test_insertion_index() {
        compare(Steps.insertionIndex(-1, 4), 4);
        compare(Steps.insertionIndex(0, 4), 0);
        compare(Steps.insertionIndex(3, 4), 3);
        compare(Steps.insertionIndex(4, 4), 4);
        compare(Steps.insertionIndex(-1, 0), 0);
    }

    function test_scrapbook() {
        var step = "B" + Steps.RELEASE_TAG;
        compare(Steps.scrapbookAfterPaste(step, true), step);
        compare(Steps.scrapbookAfterPaste(step, false), "");
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
        ];
    }

    function test_pause_delay(data) {
        compare(Steps.pauseDelay(data.text), data.delay);
    }

    function test_names_from_files() {
        compare(Steps.namesFromFiles(["Macro. 001.bin", "x.bin", ".bin"]), ["Macro. 001", "x", ""]);
    }

    function test_rename_allowed_data() {
        var names = ["Macro. 001", "Macro. 002", "Jump"];
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
        ];
    }

    function test_rename_allowed(data) {
        compare(Steps.renameAllowed("Macro. 001", data.to, data.names), data.allowed);
    }
}
