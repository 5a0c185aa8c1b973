#pragma once

#include "Icons.h"
#include "Theme.h"

#include <QImage>

// The window's own pictures: background, frame, bars, logo and menus.
namespace Chrome {

QImage background(const Theme &theme);
QImage frameBackground(const Theme &theme);
QImage decorationLine(const Theme &theme);
QImage decorationCorner(const Theme &theme);
QImage logo(const Theme &theme, bool lit);
QImage topBar(const Theme &theme);
QImage commandBackground(const Theme &theme);
QImage windowButton(const Theme &theme, Icons::Kind icon, bool lit);
QImage bottomBar(const Theme &theme);
QImage bottomButton(const Theme &theme);
QImage profileContainer(const Theme &theme);
QImage profileEntry(const Theme &theme, bool lit);
QImage functionEntry(const Theme &theme, bool lit);
QImage functionIcon(const Theme &theme, Icons::Kind icon, bool lit);
// The program's icon (tray, window, desktop entry) at size x size pixels.
QImage appIcon(const Theme &theme, int size);

} // namespace Chrome
