#include "PlatformFocusWatcher.h"

#ifndef Q_OS_WIN
#include "X11FocusWatcher.h"
#endif

#include <QtGlobal>

std::unique_ptr<FocusWatcher> makePlatformFocusWatcher()
{
#ifdef Q_OS_WIN
    return nullptr;
#else
    // On Wayland an X display serves only the X programs: its active window says little.
    if (qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return nullptr;
    return X11FocusWatcher::open();
#endif
}
