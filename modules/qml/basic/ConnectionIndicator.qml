import QtQuick

// Whether the keyboard is there: a lamp and a word, always in sight; the keyboard's name and
// firmware show in a tip while the pointer rests on it.
Item {
    id: indicator

    // "connected", "notConnected" or "emulated"; nothing is known before the first discovery.
    property string connection: ""
    property string text: ""
    property string detail: ""
    readonly property bool tipShown: hover.containsMouse && detail !== ""

    function lampColor(name) {
        switch (name) {
        case "connected":
            return "#3ad16b"
        case "emulated":
            return "#f2b63c"
        case "notConnected":
            return "#e0504a"
        }
        return "transparent"
    }

    width: row.width
    height: 20
    visible: text !== ""

    Row {
        id: row

        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        Rectangle {
            id: lamp

            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: 8
            radius: 4
            color: indicator.lampColor(indicator.connection)
        }

        Text {
            id: label

            objectName: "connectionText"
            anchors.verticalCenter: parent.verticalCenter
            text: indicator.text
            color: globalSetting_color
            font.family: globalSetting_fontFamily
            font.pixelSize: 12
        }
    }

    MouseArea {
        id: hover

        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
    }

    Rectangle {
        id: tip

        objectName: "connectionTip"
        anchors.top: parent.bottom
        anchors.topMargin: 6
        anchors.right: parent.right
        width: tipText.implicitWidth + 16
        height: tipText.implicitHeight + 10
        visible: indicator.tipShown
        color: "#1e1e1e"
        border.color: "#6e6e6e"
        z: 100

        Text {
            id: tipText

            anchors.centerIn: parent
            text: indicator.detail
            color: globalSetting_color
            font.family: globalSetting_fontFamily
            font.pixelSize: 12
        }
    }
}
