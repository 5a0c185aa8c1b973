import QtQuick
import "KeydefineLogic.js" as Logic

// One key of the key assignment keyboard: its cap, its label, and the marks for the
// selected key (frame and tint in the skin's colour), a changed key (amber label and bar, no
// frame, so it never looks selected) and the current profile key. A key that is not editable
// (Fn, the profile keys) cannot be selected, dragged or changed.
Item {
    id: key

    property Item keyboard
    property int keyType: 0
    property string name: ""
    property int matrix: -1
    property int keyCode: 0
    property int keyCode_Default: 0
    property int font_Size: 9
    property bool editable: true
    property bool isCurrentProfile: false
    readonly property int profileIndex: editable ? -1 : Logic.profileOfKey(matrix)
    readonly property bool isProfileKey: profileIndex >= 0
    readonly property bool isDefault: keyCode === keyCode_Default
    readonly property bool isSelect: keyboard !== null && matrix === keyboard.curKeyMatrix
    readonly property bool hovered: mouse.containsMouse
    readonly property bool dragging: mouse.drag.active
    readonly property url capSource: keyType > 0 && keyboard !== null
                                     ? keyboard.skinFolder + "model_kb/k" + keyType + "-0.png" : ""
    readonly property url frameSource: keyType > 0 && keyboard !== null
                                       ? keyboard.skinFolder + "model_kb/k" + keyType + "-1.png" : ""
    readonly property color changedColour: "#ffb33c"

    width: cap.implicitWidth
    height: cap.implicitHeight

    Image {
        id: cap

        source: key.capSource
        opacity: key.editable || key.isProfileKey ? 1.0 : 0.55
    }

    Image {
        id: frame

        source: key.frameSource
        opacity: {
            if (key.isSelect || key.isCurrentProfile)
                return 1.0
            return key.hovered && (key.editable || key.isProfileKey) ? 0.3 : 0.0
        }
        visible: opacity > 0

        Behavior on opacity { NumberAnimation { duration: 120 } }
    }

    Rectangle {
        id: selectionTint

        anchors.fill: parent
        anchors.margins: 3
        radius: 3
        color: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.3)
        visible: key.isSelect && key.width > 0
    }

    Rectangle {
        id: changedMark

        objectName: "changedMark"
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 7
        width: parent.width - 12
        height: 3
        radius: 1.5
        color: key.changedColour
        visible: !key.isDefault && key.width > 0
    }

    Text {
        id: label

        anchors.fill: parent
        anchors.margins: 2
        // Fitted once the cap has given the key its size: fitting into an empty box first
        // doubles the cost of building the keyboard.
        text: width > 0 && height > 0 ? key.name : ""
        color: {
            if (!key.editable && !key.isCurrentProfile)
                return globalSetting_color_disable
            return key.isDefault ? globalSetting_color_enable : key.changedColour
        }
        font.family: globalSetting_fontFamily
        font.pixelSize: key.font_Size
        font.bold: true
        fontSizeMode: Text.Fit
        minimumPixelSize: 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        maximumLineCount: 2
    }

    MouseArea {
        id: mouse

        anchors.fill: parent
        hoverEnabled: true
        cursorShape: key.editable || key.isProfileKey ? Qt.PointingHandCursor : Qt.ArrowCursor
        drag.target: key.editable ? key.keyboard.dragProxy : null
        drag.threshold: 4
        drag.smoothed: false
        onPressed: mouse => {
            if (key.editable)
                key.keyboard.beginDrag(key, mouse.x, mouse.y)
        }
        onReleased: key.keyboard.endDrag()
        onClicked: key.keyboard.keyClicked(key)
    }
}
