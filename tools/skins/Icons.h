#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Line icons drawn into a square box in one colour.
namespace Icons {

enum class Kind {
    Gear,
    Minimize,
    Close,
    Keycap,
    Macro,
    Colours,
    Plus,
    Minus,
    Record,
    Stop,
    Trash,
    Scissors,
    Copy,
    Paste,
    Reset,
    Check
};

void draw(QPainter &p, Kind kind, const QRectF &box, const QColor &colour);

} // namespace Icons
