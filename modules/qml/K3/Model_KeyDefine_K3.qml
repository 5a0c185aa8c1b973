import QtQuick
import "KeydefineLogic.js" as Logic

// The keyboard of the key assignment page: one Key_KeyDefine per key row of the hardware
// key table, placed where the table says, plus a placeholder for every matrix position
// without a key. Keys can be selected and dragged (as a floating copy) onto a drop target.
Item {
    id: keyModel

    // Matrix position -> key item, or placeholder object for positions without a key.
    property var getKey: []
    property int curKeyMatrix: 0
    property var dragingKey: null
    property int currentProfile: 0
    property string skinFolder: ""
    readonly property Item dragProxy: proxy
    readonly property bool dragActive: proxy.Drag.active

    signal keySelected(var key)
    signal profileKeyClicked(int index)

    function clear() {
        for (var i = 0; i < getKey.length; ++i) {
            if (getKey[i] instanceof Item)
                getKey[i].destroy()
        }
        getKey = []
    }

    function build(table, layout, lang) {
        clear()
        var keys = []
        var size = Logic.matrixSize(table)
        for (var i = 0; i < size; ++i)
            keys.push({ x: 0, y: 0, keyType: 0, name: "", matrix: -1, keyCode: 0, keyCode_Default: 0 })
        var rows = Logic.keyRows(table)
        for (var r = 0; r < rows.length; ++r) {
            var row = rows[r]
            if (keys[row.matrix] instanceof Item)
                keys[row.matrix].destroy()
            keys[row.matrix] = keyComponent.createObject(keyLayer, {
                x: row.x, y: row.y, keyType: row.keyType,
                name: layout === 1 && row.matrix === 83 ? "<" : row.name,
                matrix: row.matrix, keyCode: row.keyCode, keyCode_Default: row.keyCode,
                font_Size: Logic.buildFontSize(row.matrix, lang),
                editable: !Logic.isLocked(row.matrix)
            })
        }
        getKey = keys
    }

    // Labels of another layout: rows 1..116 of its table name the keys by matrix position.
    function setLabels(table) {
        var rows = Logic.keyRows(table)
        for (var r = 0; r < rows.length && r < 116; ++r) {
            var key = keyAt(rows[r].matrix)
            if (key)
                key.name = rows[r].name
        }
    }

    function setFontSizes(lang) {
        for (var i = 0; i < getKey.length; ++i) {
            if (getKey[i] instanceof Item)
                getKey[i].font_Size = Logic.languageFontSize(i, lang, getKey[i].font_Size)
        }
    }

    function keyAt(matrix) {
        return matrix >= 0 && matrix < getKey.length ? getKey[matrix] : null
    }

    function selectedKey() {
        return keyAt(curKeyMatrix)
    }

    function keyCodes() {
        var codes = []
        for (var i = 0; i < getKey.length; ++i)
            codes.push(getKey[i].keyCode)
        return codes
    }

    function resetAll() {
        for (var i = 0; i < getKey.length; ++i)
            getKey[i].keyCode = getKey[i].keyCode_Default
    }

    function keyClicked(key) {
        if (key.editable)
            keySelected(key)
        else if (key.profileIndex >= 0)
            profileKeyClicked(key.profileIndex)
    }

    // The copy is dropped where the pointer is: (pointX, pointY) is the press point in the key.
    function beginDrag(key, pointX, pointY) {
        dragingKey = key
        var at = key.mapToItem(keyModel, 0, 0)
        proxy.x = at.x
        proxy.y = at.y
        proxy.Drag.hotSpot.x = pointX
        proxy.Drag.hotSpot.y = pointY
    }

    // A drag ends over whatever drop target lies under the pointer; then the copy goes away.
    function endDrag() {
        if (proxy.Drag.active)
            proxy.Drag.drop()
        dragingKey = null
    }

    width: keyLayer.childrenRect.width > 0 ? keyLayer.childrenRect.x + keyLayer.childrenRect.width : 0
    height: keyLayer.childrenRect.height > 0 ? keyLayer.childrenRect.y + keyLayer.childrenRect.height : 0

    Component {
        id: keyComponent

        Key_KeyDefine {
            keyboard: keyModel
            isCurrentProfile: profileIndex >= 0 && profileIndex === keyModel.currentProfile
        }
    }

    Item {
        id: keyLayer
    }

    Item {
        id: proxy
        objectName: "dragProxy"

        property var key: keyModel.dragingKey
        property bool overTarget: false

        width: key ? key.width : 0
        height: key ? key.height : 0
        z: 10
        visible: Drag.active
        opacity: overTarget ? 0.5 : 0.9
        Drag.active: key !== null && key.dragging
        Drag.keys: ["k3key"]

        Image {
            source: proxy.key ? proxy.key.capSource : ""
        }

        Image {
            source: proxy.key ? proxy.key.frameSource : ""
        }

        Text {
            anchors.fill: parent
            text: proxy.key ? proxy.key.name : ""
            color: globalSetting_color_enable
            font.family: globalSetting_fontFamily
            font.pixelSize: proxy.key ? proxy.key.font_Size : 9
            font.bold: true
            fontSizeMode: Text.Fit
            minimumPixelSize: 6
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
