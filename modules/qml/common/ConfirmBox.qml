import QtQuick

// A question in the scene's own style before something that cannot be taken back. It covers
// the scene, so nothing else takes a click until it is answered; only YES runs the action.
MouseArea {
    id: box

    property string yesText: "YES"
    property string noText: "NO"
    property var action: null

    function ask(text, onYes) {
        question.text = text
        action = onYes
        visible = true
    }

    function answer(yes) {
        var run = action
        action = null
        visible = false
        if (yes && run)
            run()
    }

    anchors.fill: parent
    visible: false
    z: 98
    hoverEnabled: true
    acceptedButtons: Qt.AllButtons

    Rectangle {
        anchors.fill: parent
        color: "#a0000000"
    }

    Rectangle {
        id: frame

        anchors.centerIn: parent
        width: 440
        height: content.implicitHeight + 40
        color: "#1e1e1e"
        border.color: "#6e6e6e"
        border.width: 1

        Column {
            id: content

            anchors.centerIn: parent
            spacing: 18

            Text {
                id: question

                objectName: "confirmQuestion"
                width: frame.width - 40
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                font.family: globalSetting_fontFamily
                font.pixelSize: 13
                color: "#e6e6e6"
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 24

                TextButton {
                    objectName: "confirmYes"
                    source: skinPath + "list_dn/listDownButtonBg.png"
                    text: box.yesText
                    onClicked: box.answer(true)
                }

                TextButton {
                    objectName: "confirmNo"
                    source: skinPath + "list_dn/listDownButtonBg.png"
                    text: box.noText
                    onClicked: box.answer(false)
                }
            }
        }
    }
}
