#pragma once

#include "Icons.h"
#include "Theme.h"

#include <QImage>

// Large backgrounds: the page area, the global settings panel and the mouse pictures.
namespace Panels {

// A page background (792 x 442); watermark names the page (Keycap, Macro, Colours) or none.
QImage page(const Theme &theme, const Icons::Kind *watermark);
QImage settings(const Theme &theme);
// The mouse model: showZones lights its colour zones, otherwise its buttons are outlined.
QImage mouse(const Theme &theme, bool showZones);

} // namespace Panels
