#pragma once

#include "Program.h"

#include <QString>

#include <memory>

class QQuickItem;
class Widget;
class myQQuickView;

// Starts the main window as the program does (device discovery, window shown, interface started)
// and returns its scene's root once the start-up lock has ended; null when the window has no
// scene or the lock outlasts timeoutMs.
QQuickItem *startScene(Widget &window, int timeoutMs);

// The whole program on the emulated keyboard without system-wide input: key events reach it
// through the bridge or its own window, as wherever global capture is not allowed.
class SceneProgram
{
public:
    // Starts the program and waits until its window shows the scene and the start-up lock has
    // ended. False with a reason in error().
    bool start(int timeoutMs = 10000);
    void stop() { m_program.reset(); }
    QString error() const { return m_error; }

    Program &program() { return *m_program; }
    QQuickItem *root() const;
    myQQuickView *view() const;

private:
    std::unique_ptr<Program> m_program;
    QString m_error;
};
