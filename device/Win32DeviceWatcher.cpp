#include "Win32DeviceWatcher.h"

#include <QString>

#include <windows.h>
#include <dbt.h>

namespace {

// GUID_DEVINTERFACE_HID, spelt out: hidclass.h would want initguid.h first.
constexpr GUID HidInterfaceClass = {
        0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const wchar_t WindowClass[] = L"k3config device watcher";

LRESULT CALLBACK watcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto *watcher = reinterpret_cast<Win32DeviceWatcher *>(
                GetWindowLongPtrW(window, GWLP_USERDATA)))
        watcher->handle(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

// A top-level window that is never shown: message-only windows get no power broadcasts.
Win32DeviceWatcher::Win32DeviceWatcher(quint16 vid, quint16 pid, QObject *parent)
    : DeviceEventSource(parent)
    , m_vid(vid)
    , m_pid(pid)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = watcherProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly once the class exists
    HWND window = CreateWindowExW(0, WindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (!window)
        return;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = HidInterfaceClass;
    m_notification = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    m_window = window;
}

Win32DeviceWatcher::~Win32DeviceWatcher()
{
    if (m_notification)
        UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(m_notification));
    if (m_window)
        DestroyWindow(static_cast<HWND>(m_window));
}

bool Win32DeviceWatcher::belongsTo(const wchar_t *name, quint16 vid, quint16 pid)
{
    return name
           && QString::fromWCharArray(name).contains(
                   QString::asprintf("VID_%04X&PID_%04X", vid, pid), Qt::CaseInsensitive);
}

void Win32DeviceWatcher::handle(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message == WM_POWERBROADCAST && wParam == PBT_APMRESUMEAUTOMATIC) {
        emit resumed();
        return;
    }
    if (message != WM_DEVICECHANGE
        || (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE))
        return;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(lParam);
    if (header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE
        && belongsTo(reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(header)->dbcc_name,
                     m_vid, m_pid))
        emit devicesChanged();
}
