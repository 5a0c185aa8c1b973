#include "InputHook.h"

namespace {
constexpr std::uint32_t kBreakScanCode = 0x46; // Ctrl+Pause arrives as Break: 46 extended
constexpr std::uint32_t kSysRqScanCode = 0x54; // Alt+Print Screen arrives as SysRq
constexpr std::uint8_t kPauseKey = 0x13;
constexpr std::uint8_t kPrintScreenKey = 0x2C;
} // namespace

InputHook::InputHook(bool layoutFlag, std::unique_ptr<InputBackend> backend)
    : m_scanCodes(buildScanCodeTable())
    , m_usages(buildUsageTable(layoutFlag))
    , m_backend(std::move(backend))
{
    installHooks();
}

InputHook::~InputHook()
{
    removeHooks();
}

bool InputHook::installHooks()
{
    if (!m_backend)
        return false;
    m_backend->remove();
    return m_backend->install(*this);
}

void InputHook::removeHooks()
{
    if (m_backend)
        m_backend->remove();
}

bool InputHook::capturesKeyboard() const
{
    return m_backend && m_backend->capturesKeyboard();
}

void InputHook::setKeyboardCallback(KeyboardCallback callback, void *context)
{
    m_keyboardCallback = callback;
    m_keyboardContext = context;
}

void InputHook::setMouseCallback(MouseCallback callback, void *context)
{
    m_mouseCallback = callback;
    m_mouseContext = context;
}

std::uint8_t InputHook::virtualKeyFor(std::uint32_t scanCode, std::uint32_t flags) const
{
    if (scanCode > 0xFF)
        scanCode = 0;
    if (scanCode == kBreakScanCode && (flags & kExtendedKeyFlag))
        return kPauseKey;
    if (scanCode == kSysRqScanCode && (flags & kAltDownFlag))
        return kPrintScreenKey;
    const auto key = static_cast<std::uint16_t>((scanCode << 8) | (flags & kExtendedKeyFlag));
    const auto it = m_scanCodes.find(key);
    return it == m_scanCodes.end() ? 0 : it->second;
}

void InputHook::keyboardEvent(bool isDown, std::uint32_t scanCode, std::uint32_t flags)
{
    const std::uint8_t vk = virtualKeyFor(scanCode, flags);
    if (vk == 0)
        return;
    const auto it = m_usages.find(vk);
    const std::uint8_t usage = it == m_usages.end() ? 0 : it->second;
    if (usage == 0)
        return;
    // Auto-repeat of a held key and a release whose press was never seen are dropped.
    if (m_keyState[usage] == (isDown ? 1 : 0))
        return;
    m_keyState[usage] = isDown ? 1 : 0;
    if (m_keyboardCallback)
        m_keyboardCallback(usage, isDown, m_keyboardContext);
}

void InputHook::mouseEvent(std::uint32_t message, std::int32_t x, std::int32_t y)
{
    const MouseButton button = mouseButtonFor(message);
    if (button.code != 0 && m_mouseCallback)
        m_mouseCallback(button.code, button.isDown, x, y, m_mouseContext);
}
