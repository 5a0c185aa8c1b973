import QtQuick

Rectangle {
    id: root

    width: 1000
    height: 600
    color: "#202226"
}
