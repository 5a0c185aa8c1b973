#include "PlatformFocusWatcher.h"

#include "AppProfilesBus.h"
#include "KWinFocusWatcher.h"

#ifndef Q_OS_WIN
#include "X11FocusWatcher.h"
#endif

#include <QtGlobal>

namespace {

// On Wayland an X display serves only the X programs: its active window says little.
bool isWayland()
{
    return qgetenv("XDG_SESSION_TYPE") == "wayland"
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

std::unique_ptr<FocusWatcher> makePlatformFocusWatcher()
{
#ifdef Q_OS_WIN
    return nullptr;
#else
    if (isWayland() || qEnvironmentVariableIsEmpty("DISPLAY"))
        return nullptr;
    return X11FocusWatcher::open();
#endif
}

std::unique_ptr<FocusWatcher> makeBusFocusWatcher(const QString &service, const QString &path)
{
    if (!isWayland() || !qgetenv("XDG_CURRENT_DESKTOP").split(':').contains("KDE"))
        return nullptr;
    return KWinFocusWatcher::load({service, path, AppProfilesBusAdaptor::kInterface,
                                   AppProfilesBusAdaptor::kReportMethod});
}
