#pragma once

#include "HardwareTable.h"

#include <QImage>

// A sheet of every picture of one skin folder, headed by the keyboard as the
// hardware table places it (both layouts), drawn with the skin's key-cap pictures.
namespace ContactSheet {

QImage draw(const QString &skinFolder, const QList<KeyRow> &usKeys,
            const QList<KeyRow> &spanishKeys);
// The main window at rest, put together from the skin's pictures at the scene's positions.
QImage window(const QString &skinFolder);

} // namespace ContactSheet
