import QtQuick

// The lighting page as the shell sees it: it is replaced by the full page.
Item {
    id: page

    function initUI(isFirst, table) {
    }

    function tongbu(effect, brightness, speed) {
    }

    function playEffect(isOn) {
    }

    function changeLanguage(lang) {
    }

    function translateStrings() {
    }

    function controlMenu() {
    }

    width: 792
    height: 442

    Image {
        anchors.fill: parent
        source: skinPath + "list_center/fnColorBackground.png"
    }
}
