import QtQuick

// What the lighting preview knows of one key: its row of the hardware key table.
// The drawn key (Key_Color) shows it.
QtObject {
    id: keyPro

    property int x: 0
    property int y: 0
    property int keyType: 0
    property string name: ""
    property int position: -1
}
