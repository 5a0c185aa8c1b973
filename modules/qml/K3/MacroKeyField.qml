import QtQuick

// The key field: armed by a click, it takes the next key pressed on the keyboard.
Rectangle {
    id: field

    property string prefix: ""
    property string label: ""
    property string emptyText: ""
    property bool armed: false

    signal clicked()

    height: 30
    radius: 3
    color: armed ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.18) : "#b0101214"
    border.color: armed || mouseArea.containsMouse
                  ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.9) : "#5a5e66"

    SequentialAnimation on opacity {
        running: field.armed
        loops: Animation.Infinite
        onStopped: field.opacity = 1.0

        NumberAnimation { to: 0.55; duration: 450; easing.type: Easing.InOutQuad }
        NumberAnimation { to: 1.0; duration: 450; easing.type: Easing.InOutQuad }
    }

    Text {
        id: fieldText

        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 7
        elide: Text.ElideMiddle
        text: field.prefix + "【 " + (field.label !== "" ? field.label : field.emptyText) + " 】"
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: field.label !== ""
        color: field.armed || mouseArea.containsMouse ? globalSetting_color_enable : globalSetting_color_disable
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(4)
            field.clicked()
        }
    }
}
