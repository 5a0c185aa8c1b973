#pragma once

#include "FocusWatcher.h"

#include <memory>

// The focus watcher this desktop allows: X11, or KDE Plasma on Wayland through a KWin
// script; null elsewhere, where only D-Bus reports drive the switching.
std::unique_ptr<FocusWatcher> makePlatformFocusWatcher();
