import QtQuick
import QtTest
import "qrc:/modules/qml/K3/ColorLogic.js" as Logic

// Value rules of the lighting page: effect codes, conversions to and from the keyboard,
// slider positions and the static picture.
TestCase {
    id: testCase

    name: "ColorLogic"

    function test_effect_codes_from_menus() {
        compare(Logic.effectCode(Logic.MENU_EFFECTS, 0), 0x00);
        compare(Logic.effectCode(Logic.MENU_EFFECTS, 11), 0x0B);
        compare(Logic.effectCode(Logic.MENU_PAINTING, 0), 0x33);
        compare(Logic.effectCode(Logic.MENU_PAINTING, 4), 0x37);
        compare(Logic.effectCode(Logic.MENU_EFFECTS, -1), -1);
        compare(Logic.effectCode(-1, 3), -1);
        compare(Logic.menusOfEffect(0x34), { first: 0, second: 1 });
        compare(Logic.menusOfEffect(0x07), { first: 1, second: 7 });
        compare(Logic.menusOfEffect(0x0C), { first: 1, second: 12 });
        compare(Logic.menusOfEffect(0x20), { first: -1, second: -1 });
        compare(Logic.menusOfEffect(-1), { first: -1, second: -1 });
    }

    function test_controls_usable_per_effect() {
        var palette = [], direction = [], speed = [], brightness = [];
        var codes = [-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0x33, 0x37];
        for (var i = 0; i < codes.length; ++i) {
            palette.push(Logic.isPaletteUsable(codes[i]));
            direction.push(Logic.isDirectionUsable(codes[i]));
            speed.push(Logic.isSpeedUsable(codes[i]));
            brightness.push(Logic.isBrightnessUsable(codes[i]));
        }
        var t = true, f = false;
        compare(palette, [f, t, t, t, t, f, t, f, f, t, t, f, f, t, t]);
        compare(direction, [f, f, f, f, f, f, f, t, f, f, f, t, f, f, f]);
        compare(speed, [f, t, t, t, t, t, t, t, t, t, t, t, t, f, f]);
        compare(brightness, [f, t, t, t, t, t, t, t, t, t, t, t, t, t, t]);
    }

    function test_timer_intervals() {
        compare(Logic.timerInterval(0x00, 1), 600);
        compare(Logic.timerInterval(0x00, 7), 2400);
        compare(Logic.timerInterval(0x06, 1), 7);
        compare(Logic.timerInterval(0x0B, 7), 40);
        compare(Logic.timerInterval(0x05, 3), 25);
        compare(Logic.timerInterval(0x05, 0), 0, "speed level 0: no timer");
        compare(Logic.timerInterval(0x33, 4), 0);
        compare(Logic.timerInterval(-1, 4), 0);
    }

    function test_brightness_rules() {
        var opacity = [], device = [];
        for (var level = 0; level <= 7; ++level) {
            opacity.push(Logic.previewOpacity(level));
            device.push(Logic.deviceBrightness(level));
        }
        compare(opacity, [0, 75, 105, 135, 165, 195, 225, 255]);
        compare(device, [0, 9, 18, 27, 36, 45, 54, 63]);
        compare(Logic.brightnessPosition(63), 7);
        compare(Logic.brightnessPosition(54), 6);
        compare(Logic.brightnessPosition(5), 1);
        compare(Logic.brightnessPosition(0), 0);
        compare(Logic.brightnessPosition(64), -1, "out of range leaves the slider alone");
    }

    function test_speed_rules() {
        var profile = [], device = [];
        for (var s = 0; s <= 8; ++s) {
            profile.push(Logic.speedPositionFromProfile(s));
            device.push(Logic.speedPositionFromDevice(s));
        }
        compare(profile, [1, 7, 6, 5, 4, 3, 2, 1, 1]);
        compare(device, [7, 7, 6, 5, 4, 3, 2, 1, 1]);
        compare(Logic.speedLevelOfPosition(1), 7);
        compare(Logic.speedLevelOfPosition(7), 1);
        compare(Logic.speedLevelOfPosition(0), 0);
        compare(Logic.speedLevelOfMouse(0), 7);
        compare(Logic.speedLevelOfMouse(6), 1);
    }

    function test_direction_rules() {
        compare(Logic.deviceDirection(1), 0);
        compare(Logic.deviceDirection(2), 1);
        compare(Logic.deviceDirection(0), 0);
        compare(Logic.directionOfDevice(0), 1);
        compare(Logic.directionOfDevice(1), 2);
        compare(Logic.directionOfDevice(2), 1);
    }

    function test_static_picture() {
        compare(Logic.staticColour(0), [255, 0, 0]);
        compare(Logic.staticColour(15), [255, 0, 0]);
        compare(Logic.staticColour(16), [255, 255, 0]);
        compare(Logic.staticColour(60), [0, 0, 255]);
        compare(Logic.staticColour(61), [0, 0, 0]);
        compare(Logic.staticColour(85), [255, 255, 255]);
        compare(Logic.staticColour(115), [255, 0, 255]);
        compare(Logic.staticColour(124), [0, 255, 0]);
        compare(Logic.staticColour(127), [0, 0, 0]);
        compare(Logic.staticColour(128), [0, 0, 0]);
    }
}
