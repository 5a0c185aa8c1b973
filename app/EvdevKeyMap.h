#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

class InputHook;

// Linux evdev key codes in the shape the Windows hook reports keys and
// buttons, so one set of tables serves every platform.

struct ScanKey
{
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0; // kExtendedKeyFlag for extended keys
};

// The scan code and extended flag of an evdev key; none for keys the
// scan-code table does not know.
std::optional<ScanKey> scanKeyFromEvdev(unsigned code);

// The WM_*BUTTON* message of a BTN_LEFT/RIGHT/MIDDLE change; none otherwise.
std::optional<std::uint32_t> mouseMessageFromEvdev(unsigned code, bool isDown);

// Feeds one EV_KEY event (value 0 release, 1 press, 2 auto-repeat) to the
// hook; pointer() gives the screen position and is asked for buttons only.
using PointerPosition = std::function<std::pair<std::int32_t, std::int32_t>()>;
void feedEvdevKey(InputHook &hook, unsigned code, int value, const PointerPosition &pointer);
