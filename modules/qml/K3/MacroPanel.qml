import QtQuick

// A framed panel with a title bar; the children fill the area below the title.
Rectangle {
    id: panel

    property alias title: titleText.text
    property alias note: noteText.text
    property alias noteColor: noteText.color
    property bool noteBlinks: false
    property bool accented: false
    readonly property bool titled: title !== ""
    default property alias content: body.data

    radius: 3
    color: "#dc101214"
    border.color: accented ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.8)
                           : "#5a5e66"

    Text {
        id: titleText

        opacity: panel.enabled ? 1.0 : 0.4
        anchors.left: parent.left
        anchors.right: noteText.left
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        height: 28
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size + 1
        font.bold: true
        color: globalSetting_color_enable
    }

    Text {
        id: noteText

        anchors.right: parent.right
        anchors.rightMargin: 10
        height: 28
        verticalAlignment: Text.AlignVCenter
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color_disable

        SequentialAnimation on opacity {
            running: panel.noteBlinks
            loops: Animation.Infinite
            onStopped: noteText.opacity = 1.0

            NumberAnimation { to: 0.2; duration: 500 }
            NumberAnimation { to: 1.0; duration: 500 }
        }
    }

    Rectangle {
        id: rule

        visible: panel.titled
        x: 6
        y: 28
        width: parent.width - 12
        height: 1
        color: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.45)
    }

    Item {
        id: body

        opacity: panel.enabled ? 1.0 : 0.4
        x: 4
        y: panel.titled ? 32 : 4
        width: parent.width - 8
        height: parent.height - y - 4
    }
}
