#pragma once

#include "InputBackend.h"
#include "KeyTables.h"

#include <array>
#include <cstdint>
#include <memory>

// Turns raw key and mouse events into USB HID usages and button codes and
// reports each change of a key's state once. Platform backends and the
// in-window fallback feed keyboardEvent()/mouseEvent(); both run on the GUI thread.
class InputHook
{
public:
    using KeyboardCallback = void (*)(std::uint8_t usage, bool isDown, void *context);
    using MouseCallback = void (*)(std::uint8_t button, bool isDown, std::int32_t x, std::int32_t y,
                                   void *context);

    // Builds both tables with the layout flag as it is now, then installs the
    // backend (a null backend leaves the hook fed only by its callers).
    InputHook(bool layoutFlag, std::unique_ptr<InputBackend> backend);
    ~InputHook();
    InputHook(const InputHook &) = delete;
    InputHook &operator=(const InputHook &) = delete;

    bool installHooks();
    void removeHooks();
    bool capturesKeyboard() const;

    void setKeyboardCallback(KeyboardCallback callback, void *context);
    void setMouseCallback(MouseCallback callback, void *context);

    // scanCode and flags as in KBDLLHOOKSTRUCT; isDown for key-down messages only.
    void keyboardEvent(bool isDown, std::uint32_t scanCode, std::uint32_t flags);
    // message is a WM_*BUTTON* code, (x, y) the pointer's screen position.
    void mouseEvent(std::uint32_t message, std::int32_t x, std::int32_t y);

private:
    std::uint8_t virtualKeyFor(std::uint32_t scanCode, std::uint32_t flags) const;

    ScanCodeTable m_scanCodes;
    UsageTable m_usages;
    std::array<std::uint8_t, 256> m_keyState{};
    KeyboardCallback m_keyboardCallback = nullptr;
    void *m_keyboardContext = nullptr;
    MouseCallback m_mouseCallback = nullptr;
    void *m_mouseContext = nullptr;
    std::unique_ptr<InputBackend> m_backend;
};
