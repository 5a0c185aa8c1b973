#pragma once

#include "FocusWatcher.h"

#include <QByteArray>

#include <memory>

#include <xcb/xcb.h>

class QSocketNotifier;

// The application in front on X11: the window manager's _NET_ACTIVE_WINDOW on the root
// window, watched through property-change events on a connection of our own, and the
// class part of that window's WM_CLASS.
class X11FocusWatcher : public FocusWatcher
{
    Q_OBJECT
public:
    // Null when the display cannot be reached; an empty name means $DISPLAY.
    static std::unique_ptr<X11FocusWatcher> open(const QByteArray &display = QByteArray());
    ~X11FocusWatcher() override;

    bool isAutomatic() const override { return true; }
    QStringList openApplications() const override;

private:
    struct Atoms
    {
        xcb_atom_t activeWindow;
        xcb_atom_t clientList;
        xcb_atom_t windowPid;
    };

    X11FocusWatcher(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms);
    void readEvents();
    void reportActive();
    QList<xcb_window_t> windows(xcb_atom_t property, uint32_t maxCount) const;
    // The applications of `windows`; empty for windows of this program.
    QStringList applicationsOf(const QList<xcb_window_t> &windows) const;

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    Atoms m_atoms;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QString m_active;
};
