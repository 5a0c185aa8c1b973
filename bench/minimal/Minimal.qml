import QtQuick

Rectangle {
    function run() {
    }

    width: 1000
    height: 600
    color: "#203040"
}
