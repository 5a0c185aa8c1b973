import QtQuick

// The macro editor page as the shell sees it: it is replaced by the full editor.
Item {
    id: page

    function initUI() {
    }

    function translateStrings() {
    }

    function controlMenu() {
    }

    width: 792
    height: 396

    Image {
        anchors.fill: parent
        source: skinPath + "list_center/fnMacroBackground.png"
    }
}
