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

private:
    // Not owned: the bridge is the window's child, and both may go before this object.
    QPointer<QWidget> m_window;
    QPointer<myQQuickView> m_view;
};
