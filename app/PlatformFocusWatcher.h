#pragma once

#include "FocusWatcher.h"

#include <QString>

#include <memory>

// The focus watcher this desktop allows on its own: X11; null elsewhere.
std::unique_ptr<FocusWatcher> makePlatformFocusWatcher();
// The one that needs our name on the session bus: a KWin script on KDE Plasma under Wayland,
// reporting to `service`; null on any other desktop.
std::unique_ptr<FocusWatcher> makeBusFocusWatcher(const QString &service, const QString &path);
