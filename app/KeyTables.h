#pragma once

#include <cstdint>
#include <map>

// Flags of a low-level keyboard event, as the Windows hook reports them.
constexpr std::uint32_t kExtendedKeyFlag = 0x01; // LLKHF_EXTENDED
constexpr std::uint32_t kAltDownFlag = 0x20;     // LLKHF_ALTDOWN

// Mouse messages the mouse procedure understands (WM_LBUTTONDOWN .. WM_MBUTTONUP).
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kLeftButtonUp = 0x0202;
constexpr std::uint32_t kRightButtonDown = 0x0204;
constexpr std::uint32_t kRightButtonUp = 0x0205;
constexpr std::uint32_t kMiddleButtonDown = 0x0207;
constexpr std::uint32_t kMiddleButtonUp = 0x0208;

// (scanCode << 8) | extended flag  ->  Windows virtual-key code.
using ScanCodeTable = std::map<std::uint16_t, std::uint8_t>;
// Windows virtual-key code  ->  USB HID keyboard usage.
using UsageTable = std::map<std::uint8_t, std::uint8_t>;

ScanCodeTable buildScanCodeTable();
// layoutFlag is true when the keyboard's layout mode is 0; it moves the
// backslash key to the non-US hash-and-tilde usage.
UsageTable buildUsageTable(bool layoutFlag);

struct MouseButton
{
    std::uint8_t code = 0; // 0: the message is not reported
    bool isDown = false;
};

MouseButton mouseButtonFor(std::uint32_t message);
