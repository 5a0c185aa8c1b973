import QtQuick
import "../common"

// The top bar: the keyboard's connection, settings (0), close (1) and minimise (2).
Item {
    id: bar

    property alias connection: indicator.connection
    property alias connectionText: indicator.text
    property alias connectionDetail: indicator.detail

    signal buttonClicked(int index)

    width: 1000
    height: 32

    Image {
        anchors.fill: parent
        source: skinPath + "list_up/listUpContainer.png"
    }

    Image {
        id: commandBackground

        anchors.verticalCenter: settingsButton.verticalCenter
        x: (settingsButton.x + closeButton.x + closeButton.width - width) / 2
        source: skinPath + "list_up/cmdBg.png"
    }

    ConnectionIndicator {
        id: indicator

        objectName: "connectionIndicator"
        anchors.right: commandBackground.left
        anchors.rightMargin: 12
        // Above the bar's frame line, clear of the buttons' frame.
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -5
    }

    Button_2state {
        id: settingsButton

        objectName: "settingsButton"
        x: 876
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: 12
        picture: skinPath + "list_up/applicationSetting"
        onClicked: bar.buttonClicked(0)
    }

    Button_2state {
        id: minimizeButton

        objectName: "minimizeButton"
        x: 913
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: 12
        picture: skinPath + "list_up/applicationMinimize"
        onClicked: bar.buttonClicked(2)
    }

    Button_2state {
        id: closeButton

        objectName: "closeButton"
        x: 949
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: 12
        picture: skinPath + "list_up/applicationClose"
        onClicked: bar.buttonClicked(1)
    }
}
