#pragma once

#include <cstdint>
#include <memory>

class InputHook;

// A platform's source of system-wide key and mouse events. It translates
// what the platform delivers into the Windows hook shape and hands it to
// the hook's procedures; it never swallows an event.
class InputBackend
{
public:
    virtual ~InputBackend() = default;
    // True when system-wide keyboard input is being delivered.
    virtual bool install(InputHook &hook) = 0;
    virtual void remove() = 0;
    // May change after install when input devices come and go.
    virtual bool capturesKeyboard() const = 0;
};

// The backend of the platform the program was built for.
std::unique_ptr<InputBackend> makePlatformInputBackend();

// Feeds a key event of the program's own window, with the key as the
// platform's window system numbers it (Qt's native scan code), to the hook.
// Used when no system-wide keyboard input could be installed.
void feedWindowKey(InputHook &hook, std::uint32_t nativeScanCode, bool isDown);
