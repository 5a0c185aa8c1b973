#pragma once

#include "myQQuickView.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWidget>

// The window-control object QML reaches as "ui_Ctl": it moves, minimises,
// closes and locks the frameless main window. Its constructor dresses the
// window, builds the view bridge as the window's only child and loads the scene.
class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    // deviceLink is published to QML as "hid".
    Ui_Controler(QWidget *window, QObject *deviceLink, const QUrl &scene);

    myQQuickView *view() const { return m_view; }

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();
    // Called as a drag of the window begins. Where the window system can move the
    // window itself (always on Wayland, where a window cannot place itself; most
    // X11 window managers) it takes the drag over, and the drag's deltas are ignored.
    void startSystemMove();

private:
    // Not owned: the bridge is the window's child, and both may go before this object.
    QPointer<QWidget> m_window;
    QPointer<myQQuickView> m_view;
    bool m_systemMove = false;
};
