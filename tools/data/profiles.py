"""Default profiles: lighting effect, palette, five user pictures and key definitions."""

import colorsys

import keyboard

PALETTE = [(255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (0, 255, 255), (255, 0, 255), (255, 255, 255)]

# What the lighting page's reset gives each profile, as its apply stores it:
# effect, brightness 63, speed 3 (slider position 5), direction right (0),
# colour index 5 (the static effect always stores 7), side type 0.
EFFECTS = [0x00, 0x09, 0x07, 0x06]


def led_type(effect):
    return [effect, 63, 3, 0, 7 if effect == 0x00 else 5, 0]


def _centre(key):
    w, h = keyboard.CAP_TYPES[key["type"]]
    return key["x"] + w / 2, key["y"] + h / 2


def _picture(colour_of):
    values = [0] * (keyboard.MATRIX_SIZE * 3)
    keys = keyboard.keys()
    xs = [_centre(k)[0] for k in keys]
    ys = [_centre(k)[1] for k in keys]
    span = (min(xs), max(xs), min(ys), max(ys))
    for key in keys:
        x, y = _centre(key)
        fx = (x - span[0]) / (span[1] - span[0])
        fy = (y - span[2]) / (span[3] - span[2])
        rgb = colour_of(key, fx, fy)
        values[3 * key["matrix"]:3 * key["matrix"] + 3] = [int(round(c)) for c in rgb]
    return values


def _hsv(h, s, v):
    return [255 * c for c in colorsys.hsv_to_rgb(h % 1.0, s, v)]


GAMING_KEYS = {"W", "A", "S", "D", "\u25b2", "\u25bc", "\u25c4", "\u25ba"}
GAMING_EXTRAS = {"Esc", "Space", "L Shift", "L Ctrl", "Q", "E", "R", "F", "1", "2", "3", "4"}


def _gaming(key, fx, fy):
    if key["name"] in GAMING_KEYS:
        return (255, 0, 0)
    if key["name"] in GAMING_EXTRAS:
        return (255, 140, 0)
    return (0, 40, 120)


def _rainbow(key, fx, fy):
    return _hsv(fx * 0.85, 1.0, 1.0)


def _ocean(key, fx, fy):
    return (0, 90 + 165 * fy, 255 - 60 * fy)


def _fire(key, fx, fy):
    return (255, 230 * fy, 40 * fy * fy)


def _aurora(key, fx, fy):
    return _hsv(0.33 + 0.5 * fx + 0.1 * fy, 0.9, 1.0)


PICTURES = [_picture(f) for f in (_gaming, _rainbow, _ocean, _fire, _aurora)]


def key_definitions():
    """Default key code pairs (low, high) for all matrix positions."""
    pairs = [[0, 0] for _ in range(keyboard.MATRIX_SIZE)]
    for key in keyboard.keys():
        pairs[key["matrix"]] = [key["code"] & 0xFF, (key["code"] >> 8) & 0xFF]
    return pairs


def profile(effect):
    definitions = {str(k): pair for k, pair in enumerate(key_definitions())}
    return {
        "color": {"ledType": led_type(effect),
                  "color": [c for rgb in PALETTE for c in rgb]},
        "userPicture": {str(p): PICTURES[p] for p in range(5)},
        "keydefine0": definitions,
        "keydefine1": dict(definitions),
    }
