#pragma once

#include "Icons.h"
#include "Theme.h"

#include <QImage>

// The shared controls of the pages (the skin's common/ folder).
namespace Controls {

// A slider groove with one tick per entry of ticks; the filler is the lit groove.
QImage sliderBase(const Theme &theme, int width, const QList<int> &ticks);
QImage sliderFiller(const Theme &theme, int width, bool lit);
QImage sliderPlate(const Theme &theme);
QImage keyboardLogo(const Theme &theme);
QImage rule(const Theme &theme);
QImage roundIconButton(const Theme &theme, Icons::Kind icon);
QImage steel();
QImage fileList(const Theme &theme);
QImage fileListRow(const Theme &theme);
QImage buttonFrame(const Theme &theme);
QImage inputField(const Theme &theme);
QImage paletteIndex(const Theme &theme);
QImage paletteFrame(const Theme &theme);
QImage checkbox(const Theme &theme, bool checked);
QImage textButton(const Theme &theme, bool primary, bool lit);
QImage twoButtonFrame(const Theme &theme);
QImage toolButton(const Theme &theme, Icons::Kind icon, bool lit);
QImage groupBase(const Theme &theme, int width, int segments);
QImage groupFiller(const Theme &theme, int width, bool lit);

} // namespace Controls
