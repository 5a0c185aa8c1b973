import QtQuick

// Records what the scene asks of the window-control object.
QtObject {
    property var calls: []

    function onXChanged(x) { calls.push(["onXChanged", x]) }
    function onYChanged(y) { calls.push(["onYChanged", y]) }
    function onMinimize() { calls.push(["onMinimize"]) }
    function onClose() { calls.push(["onClose"]) }
    function startSystemMove() { calls.push(["startSystemMove"]) }
}
