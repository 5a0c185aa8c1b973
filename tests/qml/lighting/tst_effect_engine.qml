import QtQuick
import QtTest
import "qrc:/modules/qml/K3/EffectEngine.js" as Effects
import "qrc:/modules/qml/K3/ColorLogic.js" as Logic

// Per-tick maths of every preview effect on a small known keyboard:
//   row 0: positions 0, 1, 2     (keys 0..2, centres x 10, 30, 50; y 10)
//   row 1: positions 16, 17, 18  (keys 3..5, same x; y 30)
//   row 2: position 32           (key 6, 40 wide, centre 80, 50)
TestCase {
    id: testCase

    name: "EffectEngine"

    function smallKeys() {
        return [
            { x: 0, y: 0, width: 20, height: 20, position: 0 },
            { x: 20, y: 0, width: 20, height: 20, position: 1 },
            { x: 40, y: 0, width: 20, height: 20, position: 2 },
            { x: 0, y: 20, width: 20, height: 20, position: 16 },
            { x: 20, y: 20, width: 20, height: 20, position: 17 },
            { x: 40, y: 20, width: 20, height: 20, position: 18 },
            { x: 60, y: 40, width: 40, height: 20, position: 32 }
        ];
    }

    function engine(code, colourIndex, level) {
        var e = new Effects.Engine(smallKeys());
        e.colourIndex = colourIndex === undefined ? 0 : colourIndex;
        e.level = level === undefined ? 7 : level;
        e.start(code);
        return e;
    }

    function ticks(e, n) {
        for (var i = 0; i < n; ++i)
            e.tick();
    }

    function rgb(e, k) {
        return [e.r[k], e.g[k], e.b[k]];
    }

    function test_row_script_snakes_through_rows() {
        var e = engine(0x02);
        compare(e.script, [0, 1, 2, -1, 5, 4, 3, -1, 6, -1]);
        compare(e.orderX[0], 0);
        compare(e.orderX[6], 6);
    }

    function test_static_picture_and_brightness() {
        var e = engine(0x00, 3, 2);
        compare(e.a[0], 105);
        compare(rgb(e, 0), [255, 0, 0]);
        compare(rgb(e, 3), [255, 255, 0]);
        compare(rgb(e, 6), [0, 255, 0]);
        e.level = 0;
        e.refresh();
        compare(e.a[6], 0);
        ticks(e, 3);
        compare(e.loopPos, 0, "loop position moves only with LOOP");
        e.colourIndex = 7;
        ticks(e, 3);
        compare(e.loopPos, 3);
    }

    function test_breathing() {
        var e = engine(0x01, 7, 7);
        e.tick();
        compare(e.a[0], 0);
        compare(rgb(e, 4), [255, 0, 0]);
        e.tick();
        compare(e.a[4], 5);
        ticks(e, 50);
        compare(e.a[4], 255, "peak at counter 51");
        ticks(e, 50);
        compare(e.a[0], 5);
        compare(e.loopPos, 1, "counter wrapped once");
        e.tick();
        compare(rgb(e, 0), [0, 255, 0], "next loop colour");
        compare(e.a[0], 0);

        var dim = engine(0x01, 2, 3);
        ticks(dim, 11);
        compare(dim.a[0], 10 * 5 * 3 / 7);
        compare(rgb(dim, 0), [255, 255, 0]);
    }

    function test_wave() {
        var e = engine(0x02, 7, 7);
        e.tick();
        compare(e.a[0], 255);
        compare(e.a[1], 0);
        e.tick();
        compare(e.a[0], 242, "fade by round(255 / 20)");
        compare(e.a[1], 255);
        e.tick();
        compare(e.a[2], 255);
        compare(e.loopPos, 1, "row mark skipped");
        e.tick();
        compare(e.a[5], 255, "second row runs right to left");
        compare(rgb(e, 5), [0, 255, 0]);
        ticks(e, 3);
        compare(e.a[6], 255);
        compare(e.loopPos, 3, "last row mark skipped too");
        e.tick();
        compare(e.a[0], 255, "back to the start after the last mark");
        compare(rgb(e, 0), [0, 0, 255]);
    }

    function test_induction_darken() {
        var e = engine(0x03, 1, 3);
        e.press(17);
        compare(e.a[4], 109, "round(255 * 3 / 7)");
        compare(rgb(e, 4), [0, 255, 0]);
        e.tick();
        compare(e.a[4], 104, "fade by round(135 / 30)");
        e.press(99);
        compare(e.a, [0, 0, 0, 0, 104, 0, 0], "a key without a preview key changes nothing");

        var loop = engine(0x03, 7, 7);
        loop.press(0);
        loop.press(1);
        compare(rgb(loop, 0), [255, 0, 0]);
        compare(rgb(loop, 1), [0, 255, 0]);
        compare(loop.loopPos, 2);
    }

    function test_marquee() {
        var e = engine(0x04, 0, 7);
        compare(rgb(e, 0), [255, 0, 0]);
        compare(rgb(e, 2), [255, 255, 0]);
        e.tick();
        compare(rgb(e, 0), [255, 0, 0]);
        e.tick();
        compare(rgb(e, 0), [204, 51, 0], "one fifth towards the next entry");
        compare(e.a[0], 255);
        ticks(e, 3);
        compare(rgb(e, 0), [51, 204, 0]);
        e.tick();
        compare(rgb(e, 0), [0, 255, 0], "counter 5: next entry");
        ticks(e, 29);
        compare(e.counter, 0);
    }

    function test_ripple_runs_along_its_row() {
        var e = engine(0x05, 0, 7);
        e.press(1);
        e.tick();
        compare(e.a, [0, 255, 0, 0, 0, 0, 0]);
        e.tick();
        compare(e.a, [255, 255, 255, 0, 0, 0, 0], "lit keys do not fade");
        compare(e.loopPos, 1);
        e.tick();
        compare(e.a, [0, 0, 0, 0, 0, 0, 0], "row exhausted on both sides");
        compare(e.runs.length, 0);
    }

    function test_ripple_runs_end_one_by_one() {
        var e = engine(0x05, 0, 7);
        e.press(0);
        e.press(32);
        e.tick();
        compare(e.a[0], 255);
        compare(e.a[6], 255);
        e.tick();
        compare(e.a[6], 0, "one-key row ends at once");
        compare(e.a[1], 255, "the other ripple goes on");
        e.tick();
        compare(e.a[2], 255);
        e.tick();
        compare(e.a, [0, 0, 0, 0, 0, 0, 0]);
    }

    function test_induction_brighten_gradient_and_shift() {
        var e = engine(0x06, 0, 7);
        compare(rgb(e, 0), [255, 0, 0]);
        compare(rgb(e, 1), [36, 218, 0]);
        compare(rgb(e, 2), [0, 72, 182]);
        compare(rgb(e, 6), [255, 0, 0]);
        e.tick();
        compare(rgb(e, 0), [239, 0, 16]);
        compare(rgb(e, 1), [52, 202, 0]);
        compare(rgb(e, 2), [0, 88, 166]);
        compare(e.a[2], 255);

        var left = engine(0x06, 0, 7);
        left.direction = 2;
        left.tick();
        compare(rgb(left, 0), [239, 16, 0]);
        compare(rgb(left, 1), [20, 234, 0]);
        compare(rgb(left, 2), [0, 56, 198]);

        var cycle = engine(0x06, 0, 1);
        ticks(cycle, 16);
        compare(rgb(cycle, 0), [0, 0, 255], "clamped at the end of a band");
        compare(cycle.a[0], 75);
    }

    function test_marquee_circle_gradient() {
        var e = engine(0x0A, 0, 7);
        compare(rgb(e, 0), [255, 0, 0]);
        compare(rgb(e, 1), [0, 218, 36]);
        compare(rgb(e, 2), [0, 72, 182]);
        compare(rgb(e, 6), [255, 0, 0]);
    }

    function test_neon() {
        var e = engine(0x07, 0, 7);
        e.tick();
        compare(rgb(e, 3), [255, 0, 0]);
        ticks(e, 85);
        compare(rgb(e, 3), [0, 0, 255]);
        ticks(e, 85);
        compare(rgb(e, 3), [0, 255, 0]);
        ticks(e, 84);
        compare(rgb(e, 3), [252, 3, 0]);
        e.tick();
        compare(rgb(e, 3), [255, 0, 0], "counter wraps at 255");
    }

    function test_marquee_colorful_reaches_every_key() {
        var e = engine(0x08, 7, 7);
        var draws = [0.5, 0.999];
        e.random = function () { return draws.shift(); };
        e.tick();
        compare(e.a[3], 255);
        compare(rgb(e, 3), [255, 0, 0]);
        e.tick();
        compare(e.a[3], 251, "fade by round(255 / 60)");
        compare(e.a[6], 255, "the last key lights too");
        compare(rgb(e, 6), [0, 255, 0]);
    }

    function test_raining_rings() {
        var e = engine(0x09, 7, 7);
        e.press(0);
        e.tick();
        compare(e.a, [255, 0, 0, 0, 0, 0, 0]);
        e.tick();
        compare(e.a[0], 255, "radius 15 still covers the centre");
        compare(e.loopPos, 2);
        e.tick();
        compare(e.a[0], 229, "fade by round(255 / 10)");
        compare(e.a[1], 255);
        compare(e.a[3], 255);
        compare(e.a[4], 255);
        compare(rgb(e, 1), [255, 255, 0]);
        compare(rgb(e, 3), [0, 0, 255]);
        compare(rgb(e, 4), [0, 255, 255]);
        e.tick();
        compare(e.a[2], 255);
        compare(e.a[5], 255);
        compare(e.a[1], 229);

        ticks(e, 42);
        verify(e.ringOn[0], "radius 690 still running");
        e.tick();
        verify(!e.ringOn[0], "ends past 700");
    }

    function test_raining_cycles_three_slots() {
        var e = engine(0x09, 0, 7);
        e.press(0);
        e.press(1);
        e.press(2);
        e.tick();
        e.press(32);
        compare(e.ringX[0], 80, "fourth drop takes the first slot");
        compare(e.ringR[0], 0);
        compare(e.ringR[1], 15);
    }

    function test_spotlight_spiral_and_ring() {
        var e = new Effects.Engine([
            { x: 0, y: 0, width: 20, height: 20, position: 41 },
            { x: 20, y: 0, width: 20, height: 20, position: 42 },
            { x: 0, y: 20, width: 20, height: 20, position: 57 },
            { x: 20, y: 20, width: 20, height: 20, position: 58 },
            { x: 300, y: 300, width: 20, height: 20, position: 0 }
        ]);
        e.level = 7;
        e.colourIndex = 2;
        e.start(0x0B);
        compare([e.spotX, e.spotY], [20, 20]);
        e.tick();
        compare(e.a[4], 255, "spiral1[0]");
        compare(rgb(e, 4), [255, 0, 0], "always the loop colour");
        ticks(e, 15);
        compare(e.a[4], 0);
        compare(e.a[1], 255, "spiral2[15] = 42");
        compare(e.a[2], 255, "spiral1[15] = 57");
        compare(rgb(e, 2), [0, 255, 0], "loop position 15 mod 7");
        e.tick();
        compare(e.a[0], 255);
        compare(e.a[3], 255);
        e.tick();
        compare(e.a[3], 219, "radius 0 lights nothing; fade by round(255 / 7)");
        e.tick();
        compare(e.a, [255, 255, 255, 255, 0], "radius 15 reaches all four");
        ticks(e, 26);
        compare(e.counter, 0);
        compare(e.spotR, 0);
        e.tick();
        compare(e.a[4], 255, "spiral again");
    }

    function test_user_picture() {
        var e = new Effects.Engine(smallKeys());
        var picture = Logic.zeroPicture();
        picture[3 * 17] = 10;
        picture[3 * 17 + 1] = 20;
        picture[3 * 17 + 2] = 30;
        e.picture = picture;
        e.level = 4;
        e.start(0x35);
        compare(rgb(e, 4), [10, 20, 30]);
        compare(e.a[4], 165);
        compare(rgb(e, 0), [0, 0, 0]);
        e.picture = [1, 2];
        e.refresh();
        compare(rgb(e, 4), [0, 0, 0], "a short picture never reads past its end");
    }

    function test_no_effect_is_dark() {
        var e = engine(0x07, 0, 7);
        e.tick();
        e.start(Logic.NO_EFFECT);
        compare(e.a, [0, 0, 0, 0, 0, 0, 0]);
    }

    function test_empty_keyboard() {
        var e = new Effects.Engine([]);
        for (var code = 0; code < 12; ++code) {
            e.start(code);
            e.press(0);
            e.tick();
        }
        compare(e.script, []);
    }
}
