import QtQuick

// Stands in for the shipped scene: records every root function the shell calls.
Item {
    id: root

    property string log: ""

    function record(entry) {
        log = log + entry + ";"
    }

    function initUI() { record("initUI") }
    function run() { record("run") }
    function setProtectUI(interval) { record("setProtectUI(" + interval + ")") }
    function detectKeyboard(isDown, usbCode) { record("detectKeyboard(" + isDown + "," + usbCode + ")") }
    function detectMouse(isDown, button, x, y) { record("detectMouse(" + isDown + "," + button + "," + x + "," + y + ")") }
    function zzzMorvel(profileNo, effect, brightness, speed) { record("zzzMorvel(" + profileNo + ")") }

    width: 1000
    height: 600
}
