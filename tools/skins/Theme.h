#pragma once

#include <QColor>
#include <QString>

// The colours of one skin: a shared dark base and the skin's own accent.
struct Theme
{
    QString folder;    // "skin1", "skin2"
    QColor accent;     // highlights, glows, selected states
    QColor accentDeep; // darker accent for gradients and fills

    QColor base() const { return QColor(0x0b, 0x0e, 0x13); }
    QColor panel() const { return QColor(0x15, 0x1a, 0x22); }
    QColor panelHigh() const { return QColor(0x1e, 0x25, 0x30); }
    QColor line() const { return QColor(0x2c, 0x35, 0x42); }
    QColor text() const { return QColor(0xd5, 0xdb, 0xe3); }
    QColor textDim() const { return QColor(0x80, 0x8a, 0x98); }

    QColor accentAlpha(int alpha) const
    {
        QColor c = accent;
        c.setAlpha(alpha);
        return c;
    }
};

inline Theme skinOne()
{
    return {QStringLiteral("skin1"), QColor(0x1f, 0xc8, 0xff), QColor(0x0a, 0x5a, 0x80)};
}
inline Theme skinTwo()
{
    return {QStringLiteral("skin2"), QColor(0xff, 0x3d, 0x4a), QColor(0x80, 0x14, 0x1e)};
}
