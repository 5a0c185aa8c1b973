import QtQuick

// One macro of the macro list; its name can be edited in place.
Rectangle {
    id: row

    property string name: ""
    property bool selected: false
    property bool renaming: false
    // The row a context menu is open for.
    property bool marked: false
    readonly property alias editedText: input.text

    signal clicked()
    signal rightClicked()
    signal renameAccepted()
    signal renameAbandoned()

    height: 24
    radius: 2
    color: selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.28)
                    : (mouseArea.containsMouse ? "#26ffffff" : "transparent")
    border.color: renaming || marked ? skinAccent
                                     : (selected ? Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.7)
                                                 : "transparent")
    onRenamingChanged: {
        if (!renaming)
            return
        input.text = name
        input.selectAll()
        input.forceActiveFocus()
    }

    Text {
        id: nameText

        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 6
        visible: !row.renaming
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: row.name
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: row.selected
        color: (row.selected || mouseArea.containsMouse) ? globalSetting_color_enable : globalSetting_color_disable
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        enabled: !row.renaming
        onClicked: mouse => {
            if (mouse.button === Qt.RightButton)
                row.rightClicked()
            else
                row.clicked()
        }
    }

    TextInput {
        id: input

        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 6
        visible: row.renaming
        verticalAlignment: TextInput.AlignVCenter
        clip: true
        selectByMouse: true
        font: nameText.font
        color: globalSetting_color_enable
        selectionColor: Qt.rgba(skinAccent.r, skinAccent.g, skinAccent.b, 0.6)
        selectedTextColor: "#ffffff"
        Keys.onReturnPressed: row.renameAccepted()
        Keys.onEnterPressed: row.renameAccepted()
        Keys.onEscapePressed: row.renameAbandoned()
        onActiveFocusChanged: {
            if (!activeFocus && row.renaming)
                row.renameAbandoned()
        }
    }
}
