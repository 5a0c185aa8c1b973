#include "EvdevKeyMap.h"

#include "InputHook.h"

#include <linux/input-event-codes.h>

std::optional<ScanKey> scanKeyFromEvdev(unsigned code)
{
    // Evdev numbers the main block like PC set 1 scan codes; the keys that
    // differ are the ones that carry the extended flag on Windows.
    switch (code) {
    case KEY_RIGHTSHIFT:
        return ScanKey{0x36, kExtendedKeyFlag};
    case KEY_NUMLOCK:
        return ScanKey{0x45, kExtendedKeyFlag};
    case KEY_102ND:
        return ScanKey{0x56, 0};
    case KEY_F11:
        return ScanKey{0x57, 0};
    case KEY_F12:
        return ScanKey{0x58, 0};
    case KEY_KPENTER:
        return ScanKey{0x1C, kExtendedKeyFlag};
    case KEY_RIGHTCTRL:
        return ScanKey{0x1D, kExtendedKeyFlag};
    case KEY_KPSLASH:
        return ScanKey{0x35, kExtendedKeyFlag};
    case KEY_SYSRQ:
        return ScanKey{0x37, kExtendedKeyFlag};
    case KEY_RIGHTALT:
        return ScanKey{0x38, kExtendedKeyFlag};
    case KEY_HOME:
        return ScanKey{0x47, kExtendedKeyFlag};
    case KEY_UP:
        return ScanKey{0x48, kExtendedKeyFlag};
    case KEY_PAGEUP:
        return ScanKey{0x49, kExtendedKeyFlag};
    case KEY_LEFT:
        return ScanKey{0x4B, kExtendedKeyFlag};
    case KEY_RIGHT:
        return ScanKey{0x4D, kExtendedKeyFlag};
    case KEY_END:
        return ScanKey{0x4F, kExtendedKeyFlag};
    case KEY_DOWN:
        return ScanKey{0x50, kExtendedKeyFlag};
    case KEY_PAGEDOWN:
        return ScanKey{0x51, kExtendedKeyFlag};
    case KEY_INSERT:
        return ScanKey{0x52, kExtendedKeyFlag};
    case KEY_DELETE:
        return ScanKey{0x53, kExtendedKeyFlag};
    case KEY_PAUSE:
        return ScanKey{0x45, 0};
    case KEY_BREAK:
        return ScanKey{0x46, kExtendedKeyFlag};
    case KEY_LEFTMETA:
        return ScanKey{0x5B, kExtendedKeyFlag};
    case KEY_RIGHTMETA:
        return ScanKey{0x5C, kExtendedKeyFlag};
    case KEY_COMPOSE:
        return ScanKey{0x5D, kExtendedKeyFlag};
    case KEY_F23:
        return ScanKey{0x6E, 0};
    default:
        if (code >= KEY_ESC && code <= KEY_KPDOT)
            return ScanKey{code, 0};
        return std::nullopt;
    }
}

std::optional<std::uint32_t> mouseMessageFromEvdev(unsigned code, bool isDown)
{
    switch (code) {
    case BTN_LEFT:
        return isDown ? kLeftButtonDown : kLeftButtonUp;
    case BTN_RIGHT:
        return isDown ? kRightButtonDown : kRightButtonUp;
    case BTN_MIDDLE:
        return isDown ? kMiddleButtonDown : kMiddleButtonUp;
    default:
        return std::nullopt;
    }
}

void feedEvdevKey(InputHook &hook, unsigned code, int value, const PointerPosition &pointer)
{
    const bool isDown = value != 0;
    if (const auto key = scanKeyFromEvdev(code)) {
        hook.keyboardEvent(isDown, key->scanCode, key->flags);
    } else if (const auto message = mouseMessageFromEvdev(code, isDown)) {
        const auto [x, y] = pointer();
        hook.mouseEvent(*message, x, y);
    }
}
