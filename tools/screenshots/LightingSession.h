#pragma once

#include "SceneStart.h"

#include <QImage>
#include <QPointF>
#include <QVariant>

class QQuickItem;

// The demo program (real scene, bridge and device link on the emulated keyboard) running
// on a copy of the run-time folder, with its lighting page at hand.
class LightingSession
{
public:
    // Copies the run-time folder, starts the program and waits for its start-up lock to end.
    bool start();
    QString error() const { return m_program.error(); }

    Program &program() { return m_program.program(); }
    QQuickItem *root() const { return m_program.root(); }
    QQuickItem *page() const;
    QQuickItem *keyboard() const;
    // The drawn key at a key position; null where the keyboard has none.
    QQuickItem *key(int position) const;

    QVariant call(QObject *target, const char *function, const QVariantList &args = {}) const;
    QVariant callPage(const char *function, const QVariantList &args = {}) const;

    // Opens the lighting page (function menu entry 2) and waits for its slide to end.
    bool openPage();
    void chooseSkin(int skin);
    // Interface language by its position in the language menu (0 English, 1 Spanish).
    void chooseLanguage(int position);
    // A mouse drag over the keyboard, in its own coordinates.
    void drag(const QPointF &from, const QPointF &to);
    // A key pressed on the keyboard, as the input hook reports it.
    void pressKey(int usbCode);
    QImage grab() const;

private:
    SceneProgram m_program;
};
