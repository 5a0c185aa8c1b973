// System-wide input on Windows: low-level keyboard and mouse hooks.
#include "InputBackend.h"
#include "InputHook.h"

#include <windows.h>

namespace {

// Low-level hook procedures carry no context, so the installed hook's
// owner and handles are kept here; only one backend installs at a time.
InputHook *g_owner = nullptr;
HHOOK g_keyboardHook = nullptr;
HHOOK g_mouseHook = nullptr;

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Only HC_ACTION calls carry an event; all calls are passed on unchanged.
    if (nCode == HC_ACTION && g_owner) {
        const auto *event = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        const bool isDown = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        g_owner->keyboardEvent(isDown, event->scanCode, event->flags);
    }
    return CallNextHookEx(g_keyboardHook, nCode, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && g_owner) {
        const auto *event = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        g_owner->mouseEvent(static_cast<std::uint32_t>(wParam), event->pt.x, event->pt.y);
    }
    return CallNextHookEx(g_mouseHook, nCode, wParam, lParam);
}

class Win32InputBackend final : public InputBackend
{
public:
    ~Win32InputBackend() override { remove(); }

    bool install(InputHook &hook) override
    {
        const HINSTANCE module = GetModuleHandleW(nullptr);
        g_owner = &hook;
        g_keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
        g_mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
        if (g_keyboardHook && g_mouseHook)
            return true;
        // A half-installed pair is taken down again rather than left running unowned.
        remove();
        return false;
    }

    void remove() override
    {
        if (g_keyboardHook)
            UnhookWindowsHookEx(g_keyboardHook);
        if (g_mouseHook)
            UnhookWindowsHookEx(g_mouseHook);
        g_keyboardHook = nullptr;
        g_mouseHook = nullptr;
        g_owner = nullptr;
    }

    bool capturesKeyboard() const override { return g_keyboardHook != nullptr; }
};

} // namespace

void feedWindowKey(InputHook &hook, std::uint32_t nativeScanCode, bool isDown)
{
    // Qt's native scan code on Windows carries the extended flag in bit 8.
    constexpr std::uint32_t kExtendedBit = 0x100;
    hook.keyboardEvent(isDown, nativeScanCode & 0xFF,
                       (nativeScanCode & kExtendedBit) ? kExtendedKeyFlag : 0);
}

std::unique_ptr<InputBackend> makePlatformInputBackend()
{
    return std::make_unique<Win32InputBackend>();
}
