import QtQuick
import "../common"

// The bottom bar: reset everything, apply everything.
Item {
    id: bar

    // Taken from the root when the skin changes (setSkin).
    property string skinFolder: skinPath
    // The reset button offers to take back the last ALL RESET.
    property bool undoable: false
    property string undoText

    signal resetAllClicked()
    signal applyAllClicked()

    function setSkin() {
        skinFolder = skinPath
    }

    width: 1000
    height: 49
    opacity: enabled ? 1.0 : 0.2

    Image {
        anchors.fill: parent
        source: bar.skinFolder + "list_dn/listDnContainer.png"
    }

    TextButton {
        id: resetAllButton

        objectName: "resetAllButton"
        x: 337
        anchors.verticalCenter: parent.verticalCenter
        source: bar.skinFolder + "list_dn/listDownButtonBg.png"
        text: bar.undoable ? bar.undoText : stringAt(113, "ALL RESET")
        onClicked: bar.resetAllClicked()
    }

    TextButton {
        id: applyAllButton

        objectName: "applyAllButton"
        x: 504
        anchors.verticalCenter: parent.verticalCenter
        source: bar.skinFolder + "list_dn/listDownButtonBg.png"
        text: stringAt(114, "ALL SAVE")
        onClicked: bar.applyAllClicked()
    }
}
