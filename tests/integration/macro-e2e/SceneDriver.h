#pragma once

#include "SceneStart.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QQuickItem;

// Runs the demo program on a copy of the run-time folder under a real X
// server and drives it as a user would: pointer and keys through xdotool.
class SceneDriver
{
public:
    // Copies the run-time folder, enters it, starts the program and waits until
    // its interface is unlocked and has the keyboard focus. False with a reason in error().
    bool start();
    void stop() { m_program.stop(); }
    QString error() const { return m_error; }

    Program &program() { return m_program.program(); }
    QQuickItem *root() const { return m_program.root(); }
    QQuickItem *mainItem() const;
    QQuickItem *macroPage() const;
    QQuickItem *keyPage() const;
    QStringList strings() const;

    // The first item with this object name inside scope, or null.
    static QQuickItem *child(QQuickItem *scope, const char *objectName);
    // The shown text item with this text inside scope, or null.
    static QQuickItem *textItem(QQuickItem *scope, const QString &text);

    bool xdotool(const QStringList &arguments);
    bool click(QQuickItem *item, int button = 1);
    bool hover(QQuickItem *item);
    bool typeKeys(const QStringList &keys);
    // Opens a page through the function menu and waits for its slide to end.
    bool openPage(int index);
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);
    static QByteArray macroFile(const QString &name);

private:
    SceneProgram m_program;
    QString m_error;
};
