"""Shipped macros: one file per keyboard macro slot, a few with example steps."""

PRESS = " " * 7 + "[\u25bc]"
RELEASE = " " * 7 + "[\u25b2]"
PAUSE = " " * 6 + "[ms]"
SLOTS = 17


def tap(*names):
    """Presses the keys in order and releases them in reverse order."""
    return [n + PRESS for n in names] + [n + RELEASE for n in reversed(names)]


def pause(ms):
    return ["%d%s" % (ms, PAUSE)]


EXAMPLES = {
    1: tap("L Ctrl", "C"),
    2: tap("L Ctrl", "V"),
    3: tap("L Ctrl", "Z"),
    4: tap("L Ctrl", "A") + pause(50) + tap("L Ctrl", "C"),
    5: tap("L Alt", "Tab"),
    6: tap("1") + pause(150) + tap("2") + pause(150) + tap("3"),
    7: tap("Space") + pause(100) + tap("Space") + pause(100) + tap("Space"),
}


def macro_files():
    """{file name: sections} for Macro. 001 .. Macro. 017, bound to slots 0 .. 16."""
    files = {}
    for n in range(1, SLOTS + 1):
        steps = EXAMPLES.get(n, [])
        sections = {"config": {"index": n - 1, "total": len(steps), "repeat": 1, "did": 0}}
        if steps:
            sections["macro"] = {str(i): s for i, s in enumerate(steps)}
        files["Macro. %03d.bin" % n] = sections
    return files
