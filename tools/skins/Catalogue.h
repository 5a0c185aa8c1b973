#pragma once

#include "HardwareTable.h"
#include "Theme.h"

#include <QImage>
#include <QList>
#include <functional>

// Every picture of a skin: its path under skin<N>/ and how to draw it.
struct Picture
{
    QString path;
    std::function<QImage()> draw;
};

namespace Catalogue {

QList<Picture> pictures(const Theme &theme, const QList<KeyRow> &keys, const QMap<int, QSize> &caps);

}
