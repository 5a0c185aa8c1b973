import QtQuick
import QtTest

// Cost of one preview tick of the heaviest effects in the running page, on the shipped
// keyboard with the skin's key pictures: the engine's step plus every key it changes.
// (Faster than the display, the page shows the keys once per frame; this is the cost of a
// tick that does reach them.)
ColorStage {
    id: stage

    TestCase {
        id: test

        readonly property var page: stage.page
        readonly property int ticks: 200
        readonly property int rounds: 4
        // The shortest interval any effect runs at.
        readonly property int fastestTickMs: 7

        name: "TickCost"
        when: windowShown

        function initTestCase() {
            stage.names.initUI(shippedTable, [], [])
            page.initUI(true, shippedTable)
            page.setBrightnessPosition(7)
            page.chooseColourIndex(7)
            page.playEffect(true)
        }

        function cleanupTestCase() {
            page.playEffect(false)
        }

        // Milliseconds per tick, the best of a few rounds so that other work on the machine
        // does not count; `press` feeds keys as a fast typist would.
        function measure(code, press) {
            page.chooseEffect(code)
            var codes = [4, 22, 7, 9, 10, 11, 13, 14, 15, 40, 44, 30, 33, 36, 39, 45]
            var engine = page.controller.engine
            var best = Infinity
            var total = 0
            for (var round = 0; round < rounds; ++round) {
                var started = Date.now()
                for (var t = 0; t < ticks; ++t) {
                    if (press && t % 4 === 0)
                        stage.keyboardItem.msg_KB(true, codes[(t / 4) % codes.length])
                    // Every step reaches the keys, as it does at intervals of a frame or more.
                    engine.tick()
                    page.keyboard.show(engine)
                }
                var spent = Date.now() - started
                total += spent
                best = Math.min(best, spent / ticks)
            }
            console.log("tick cost of effect 0x" + code.toString(16) + ": best " + best.toFixed(3)
                        + " ms, mean " + (total / (rounds * ticks)).toFixed(3) + " ms ("
                        + rounds + " rounds of " + ticks + " ticks, " + page.keyboard.keys.length + " keys)")
            return best
        }

        function test_heaviest_effects_stay_well_below_the_tick() {
            compare(page.keyboard.keys.length, shippedTable[0])
            var costs = [measure(0x05, true), measure(0x09, true), measure(0x0B, false),
                         measure(0x06, false)]
            for (var i = 0; i < costs.length; ++i)
                verify(costs[i] < fastestTickMs / 2, "tick " + i + " costs " + costs[i] + " ms")
        }
    }
}
