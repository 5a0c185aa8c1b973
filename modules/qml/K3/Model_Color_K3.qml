import QtQuick
import "ColorLogic.js" as Logic

// The keyboard of the lighting preview: one Key_ColorPro and one drawn Key_Color per key
// row of the hardware key table, in table order (the keys' software index). While painting
// is allowed, pressing and dragging draws a selection rectangle; on release the keys it
// touches are reported.
Item {
    id: keyModel

    // Key_ColorPro objects in table order.
    property var keys: []
    property string skinFolder: ""
    property bool paintEnabled: false
    property color paintColour: "#ffffff"
    // Key index per key position 0..127, -1 where the keyboard has no key.
    property var indexOfPosition: Logic.filled(128, -1)
    // Drawn keys in table order, and the light each shows: a tick only touches what changed.
    property var items: []
    property var shownRgb: []
    property var shownA: []
    // Colour names by 0xRRGGBB. Effects show few colours over and over; a new name for every
    // key of every frame kept the script engine's collector busy, with pauses of several ms.
    property var colourNames: new Map()
    readonly property int maxColourNames: 4096

    signal painted(var positions)

    function build(table) {
        for (var i = 0; i < keys.length; ++i)
            keys[i].destroy()
        var rows = Logic.keyRows(table)
        var made = []
        var index = Logic.filled(128, -1)
        for (var r = 0; r < rows.length; ++r) {
            made.push(keyProComponent.createObject(keyModel, {
                x: rows[r].x, y: rows[r].y, keyType: rows[r].keyType,
                name: rows[r].name, position: rows[r].position
            }))
            if (rows[r].position >= 0 && rows[r].position < 128)
                index[rows[r].position] = r
        }
        shownRgb = Logic.filled(made.length, -1)
        shownA = Logic.filled(made.length, -1)
        indexOfPosition = index
        keys = made
        var drawnKeys = []
        for (var k = 0; k < made.length; ++k)
            drawnKeys.push(drawn.itemAt(k))
        items = drawnKeys
        measure()
    }

    function measure() {
        var right = 0, bottom = 0
        for (var k = 0; k < items.length; ++k) {
            var item = items[k]
            right = Math.max(right, item.x + item.width)
            bottom = Math.max(bottom, item.y + item.height)
        }
        width = right
        height = bottom
    }

    // Labels of another layout: entries 0..115 of its table name the key at their position.
    function rename(table) {
        var rows = Logic.keyRows(table)
        for (var r = 0; r < rows.length && r < 116; ++r) {
            var p = rows[r].position
            var k = p >= 0 && p < 128 ? indexOfPosition[p] : -1
            if (k >= 0)
                keys[k].name = rows[r].name
        }
    }

    function keyItem(index) {
        return items[index]
    }

    // Key rectangles for the effect engine, as the skin draws them.
    function geometry() {
        var out = []
        for (var k = 0; k < keys.length; ++k) {
            var item = keyItem(k)
            out.push({ x: item.x, y: item.y, width: item.width, height: item.height,
                       position: keys[k].position })
        }
        return out
    }

    function colourName(rgb) {
        var name = colourNames.get(rgb)
        if (name === undefined) {
            if (colourNames.size >= maxColourNames)
                colourNames.clear()
            name = Logic.colourText(rgb >> 16, rgb >> 8, rgb)
            colourNames.set(rgb, name)
        }
        return name
    }

    function show(engine) {
        for (var k = 0; k < items.length; ++k) {
            var rgb = (engine.r[k] << 16) | (engine.g[k] << 8) | engine.b[k]
            if (rgb !== shownRgb[k]) {
                var name = colourName(rgb)
                items[k].lightColor = name
                items[k].labelColor = name
                shownRgb[k] = rgb
            }
            if (engine.a[k] !== shownA[k]) {
                items[k].lightOpacity = engine.a[k] / 255
                shownA[k] = engine.a[k]
            }
        }
    }

    // Frames the keys a selection rectangle touches (none for null); gives their positions.
    function frameKeys(rect) {
        var positions = []
        for (var k = 0; k < keys.length; ++k) {
            var item = keyItem(k)
            var touched = rect !== null && Logic.rectsOverlap(item, rect)
            item.framed = touched
            if (touched)
                positions.push(keys[k].position)
        }
        return positions
    }

    function selectionRect() {
        return { x: selection.x, y: selection.y, width: selection.width, height: selection.height }
    }

    function beginSelection(x, y) {
        selection.anchorX = x
        selection.anchorY = y
        dragSelection(x, y)
        selection.visible = true
    }

    function dragSelection(x, y) {
        selection.x = Math.min(selection.anchorX, x)
        selection.y = Math.min(selection.anchorY, y)
        selection.width = Math.abs(x - selection.anchorX)
        selection.height = Math.abs(y - selection.anchorY)
        frameKeys(selectionRect())
    }

    function endSelection() {
        var positions = frameKeys(selectionRect())
        frameKeys(null)
        selection.visible = false
        painted(positions)
    }

    Component {
        id: keyProComponent

        Key_ColorPro {
        }
    }

    Repeater {
        id: drawn

        model: keyModel.keys

        delegate: Key_Color {
            required property var modelData

            keyPro: modelData
            skinFolder: keyModel.skinFolder
        }
    }

    Rectangle {
        id: selection

        property real anchorX: 0
        property real anchorY: 0

        visible: false
        color: Qt.rgba(keyModel.paintColour.r, keyModel.paintColour.g, keyModel.paintColour.b, 0x80 / 255)
        border.color: keyModel.paintColour
        border.width: 1
    }

    MouseArea {
        id: paintArea

        // A little room around the keys, so that a drag may start beside the keyboard.
        anchors.fill: parent
        anchors.margins: -10
        enabled: keyModel.paintEnabled
        cursorShape: enabled ? Qt.CrossCursor : Qt.ArrowCursor
        onPressed: mouse => keyModel.beginSelection(x + mouse.x, y + mouse.y)
        onPositionChanged: mouse => {
            if (pressed)
                keyModel.dragSelection(x + mouse.x, y + mouse.y)
        }
        onReleased: keyModel.endSelection()
        onCanceled: {
            keyModel.frameKeys(null)
            selection.visible = false
        }
    }
}
