#pragma once

#include "DeviceEventSource.h"

#include <QtGlobal>

#include <cstdint>

// Windows tells of HID devices coming and going (WM_DEVICECHANGE, once registered for the HID
// interface class) and of waking up (WM_POWERBROADCAST) through window messages; a hidden
// window of its own receives them.
class Win32DeviceWatcher : public DeviceEventSource
{
public:
    Win32DeviceWatcher(quint16 vid, quint16 pid, QObject *parent = nullptr);
    ~Win32DeviceWatcher() override;

    // Interface names read "\\?\HID#VID_04D9&PID_A1CD&MI_01#...".
    static bool belongsTo(const wchar_t *name, quint16 vid, quint16 pid);
    // The hidden window's messages.
    void handle(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

private:
    quint16 m_vid;
    quint16 m_pid;
    void *m_window = nullptr;
    void *m_notification = nullptr;
};
