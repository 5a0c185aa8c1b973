import QtQuick
import "ColorLogic.js" as Logic
import "EffectEngine.js" as Effects

// Runs the software preview of the chosen effect on the lighting page's keyboard: one
// repeating timer per effect and speed, key presses from the keyboard for the reactive
// effects. Effect -1 (the page is hidden) keeps the keys dark and runs no timer.
Item {
    id: controller

    property Model_Color_K3 keyboard
    // Settings of the page, followed as they change.
    property int level: 7
    property int speedLevel: 3
    property int colourIndex: 6
    property int direction: 1
    property var paletteColours: Logic.DEFAULT_PALETTE
    property var picture: null
    // The effect that runs; set by start().
    property int effect: Logic.NO_EFFECT
    property var engine: null
    readonly property int interval: Logic.timerInterval(effect, speedLevel)
    readonly property alias ticking: timer.running
    // Ticks run since the effect started, and when (Date.now()) the next one is due.
    property int tickCount: 0
    property real dueAt: 0
    // After a stall longer than this many ticks the effect resumes from now instead.
    readonly property int maxCatchUp: 4

    // Built once with the keyboard: rows, gradients and rings depend on where the keys are.
    function build() {
        engine = new Effects.Engine(keyboard.geometry())
        follow()
    }

    function follow() {
        if (!engine)
            return
        engine.level = level
        engine.colourIndex = colourIndex
        engine.direction = direction
        engine.palette = paletteColours
        engine.picture = picture
    }

    // Stops the running timer, prepares the effect from counter and loop position 0,
    // and starts its timer.
    function start(code) {
        timer.stop()
        effect = code
        if (!engine)
            return
        follow()
        engine.start(code)
        keyboard.show(engine)
        tickCount = 0
        if (interval > 0) {
            dueAt = Date.now() + interval
            timer.start()
        }
    }

    function tick() {
        step()
        present()
    }

    function step() {
        engine.tick()
        ++tickCount
    }

    // The timer fires at most once per turn of the event loop and late after a long frame:
    // the ticks owed since then run together, so fast effects keep the keyboard's pace.
    function timerTriggered() {
        var now = Date.now()
        var owed = Math.min(Math.max(Math.floor((now - dueAt) / interval) + 1, 1), maxCatchUp)
        for (var i = 0; i < owed; ++i)
            step()
        dueAt = owed === maxCatchUp ? now + interval : dueAt + owed * interval
        present()
    }

    // The keys change at most once per display frame; the effect still runs at its own pace.
    function present() {
        if (frame.running) {
            frame.pending = true
            return
        }
        keyboard.show(engine)
        frame.start()
    }

    // Still pictures show a change of brightness, palette or picture at once.
    function refresh() {
        if (!engine)
            return
        follow()
        engine.refresh()
        keyboard.show(engine)
    }

    function keyPressed(isDown, usbCode) {
        if (!isDown || !engine || effect === Logic.NO_EFFECT)
            return
        var position = keyCodeString.keycodeTomatrix(usbCode)
        if (position === undefined)
            return
        engine.press(Number(position))
        keyboard.show(engine)
    }

    onLevelChanged: refresh()
    onColourIndexChanged: follow()
    onDirectionChanged: follow()
    onPaletteColoursChanged: refresh()
    onPictureChanged: refresh()
    // A new speed keeps the effect going at its new pace; interval 0 stops it.
    onIntervalChanged: {
        if (interval > 0 && engine) {
            dueAt = Date.now() + interval
            timer.restart()
        } else {
            timer.stop()
        }
    }

    Timer {
        id: frame

        property bool pending: false

        interval: 16
        onTriggered: {
            if (pending) {
                pending = false
                controller.present()
            }
        }
    }

    Timer {
        id: timer

        interval: Math.max(controller.interval, 1)
        repeat: true
        onTriggered: controller.timerTriggered()
    }

    Connections {
        target: mainK3

        function onMsg_KB(isDown, usbCode) {
            controller.keyPressed(isDown, usbCode)
        }
    }
}
