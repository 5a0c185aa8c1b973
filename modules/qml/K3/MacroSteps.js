.pragma library

// A macro step is a value followed by a 10-character command tag; the macro
// file stores English key names, the page shows Spanish labels in layout 1.

var TAG_LENGTH = 10;
var PRESS_TAG = makeTag("[\u25BC]");
var RELEASE_TAG = makeTag("[\u25B2]");
var PAUSE_TAG = makeTag("[ms]");
var MIN_PAUSE = 10;
var MAX_PAUSE = 65535;
var DEFAULT_PAUSE = 1000;

function makeTag(marker) {
    return ("          " + marker).slice(-TAG_LENGTH);
}

function stepValue(step) {
    var text = String(step);
    return text.slice(0, Math.max(0, text.length - TAG_LENGTH));
}

function stepTag(step) {
    return String(step).slice(-TAG_LENGTH);
}

function has(table, key) {
    return table !== undefined && table !== null
        && Object.prototype.hasOwnProperty.call(table, key);
}

// Stored name -> shown label; a name the table lacks is shown unchanged.
function shownName(name, layout, enTosp) {
    return layout === 1 && has(enTosp, name) ? enTosp[name] : name;
}

// A row keeps the stored value beside the shown one, so saving writes back
// exactly what was loaded or recorded: the Spanish labels are not one-to-one
// ("} ]" stands for two keys) and a reverse lookup would change the macro.
function makeRow(value, tag, layout, enTosp) {
    var stored = String(value);
    return { textX: shownName(stored, layout, enTosp), textR: tag, stored: stored };
}

function rowFromStep(step, layout, enTosp) {
    return makeRow(stepValue(step), stepTag(step), layout, enTosp);
}

function rowsFromSteps(steps, layout, enTosp) {
    var rows = [];
    for (var i = 0; i < steps.length; ++i)
        rows.push(rowFromStep(steps[i], layout, enTosp));
    return rows;
}

function stepOfRow(row) {
    return row.stored + row.textR;
}

function stepsFromRows(rows) {
    var steps = [];
    for (var i = 0; i < rows.length; ++i)
        steps.push(stepOfRow(rows[i]));
    return steps;
}

// Name of a key usage for recording and the key field, or undefined when the
// key has no name (or, in layout 1, no Spanish label): such keys are ignored.
function usableKeyName(name, layout, enTosp) {
    if (name === undefined || name === null)
        return undefined;
    if (layout === 1 && !has(enTosp, name))
        return undefined;
    return String(name);
}

function keyRows(name, layout, enTosp) {
    return [makeRow(name, PRESS_TAG, layout, enTosp), makeRow(name, RELEASE_TAG, layout, enTosp)];
}

function recordedRow(isDown, name, layout, enTosp) {
    return makeRow(name, isDown ? PRESS_TAG : RELEASE_TAG, layout, enTosp);
}

function pauseRow(delay) {
    return makeRow(delay, PAUSE_TAG, 0, null);
}

// New steps go before the selected step, or at the end when none is selected.
function insertionIndex(current, count) {
    return current >= 0 && current < count ? current : count;
}

// The scrapbook holds one step text. A copy survives any number of pastes,
// a cut is pasted once.
function scrapbookAfterPaste(scrapbook, isUnlimitedCopy) {
    return isUnlimitedCopy ? scrapbook : "";
}

// Typed pause text -> delay in milliseconds, kept within 10..65535.
function pauseDelay(text) {
    var n = parseInt(String(text), 10);
    if (isNaN(n))
        return MIN_PAUSE;
    return Math.min(MAX_PAUSE, Math.max(MIN_PAUSE, n));
}

function namesFromFiles(files) {
    var names = [];
    for (var i = 0; i < files.length; ++i) {
        var file = String(files[i]);
        names.push(file.slice(0, Math.max(0, file.length - 4)));
    }
    return names;
}

// A rename is carried out only for a new, non-blank name that stays inside the
// macro folder and does not collide with another macro; case is ignored since
// macro files also travel to case-insensitive file systems.
function renameAllowed(oldName, newName, names) {
    var name = String(newName);
    if (name === oldName || name.trim().length === 0)
        return false;
    if (/[\/\\]/.test(name))
        return false;
    var folded = name.toLowerCase();
    for (var i = 0; i < names.length; ++i) {
        if (names[i] !== oldName && String(names[i]).toLowerCase() === folded)
            return false;
    }
    return true;
}

function indexOfName(names, name) {
    for (var i = 0; i < names.length; ++i) {
        if (names[i] === name)
            return i;
    }
    return -1;
}

// Bytes the keyboard needs for the steps (start and end word included),
// counted as the encoder counts them: keys without a code and empty pauses
// take no room.
function encodedSize(steps, codeOfName) {
    var size = 4;
    for (var i = 0; i < steps.length; ++i) {
        var tag = stepTag(steps[i]);
        var value = stepValue(steps[i]);
        if (tag === PRESS_TAG || tag === RELEASE_TAG) {
            var code = codeOfName(value);
            if (code !== undefined && (Number(code) & 0xFF) !== 0)
                size += 2;
        } else if (tag === PAUSE_TAG && /^\s*[+-]?\d+\s*$/.test(value) && parseInt(value, 10) !== 0) {
            size += 4;
        }
    }
    return size;
}
