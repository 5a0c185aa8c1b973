#pragma once

#include "Program.h"
#include "RuntimeCopy.h"

#include <QString>

#include <memory>
#include <optional>

class QQuickItem;
class Widget;
class myQQuickView;

// Starts the main window as the program does (device discovery, window shown, interface started)
// and returns its scene's root once the start-up lock has ended; null when the window has no
// scene or the lock outlasts timeoutMs.
QQuickItem *startScene(Widget &window, int timeoutMs);

// The whole program on the emulated keyboard, in a copy of the run-time data and without
// system-wide input: key events reach it through the bridge or its own window, as wherever
// global capture is not allowed.
class SceneProgram
{
public:
    // Enters a fresh copy of the run-time data and starts the program there as its main does;
    // true once the window shows the scene and the start-up lock has ended, else false with a
    // reason in error().
    bool start(int timeoutMs = 10000, KeyboardWatch watch = {});
    // Ends the program, then leaves and removes the copy.
    void stop();
    QString error() const { return m_error; }

    Program &program() { return *m_program; }
    QQuickItem *root() const;
    myQQuickView *view() const;

private:
    std::optional<RuntimeCopy> m_folder;
    std::unique_ptr<Program> m_program;
    QString m_error;
};
