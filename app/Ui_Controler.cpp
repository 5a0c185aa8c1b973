#include "Ui_Controler.h"

#include "ApConfigValues.h"
#include "myQQuickView.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QWindow>
#include <QSystemTrayIcon>

Ui_Controler::Ui_Controler(QWidget *window, QObject *deviceLink, const QUrl &scene)
    : m_window(window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    // Only the window itself: a style sheet reaches every child, and the file dialogs and
    // message boxes parented to the view would open black with black texts.
    window->setStyleSheet(
            QStringLiteral("QWidget#%1 { background: transparent; }").arg(window->objectName()));

    // Flat pictures and text: the software renderer draws only what changed, with no GL
    // context to start and no GL compositing of the translucent window, so start-up, each
    // frame and the memory cost a fraction, most of all where OpenGL runs without a GPU.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    m_view = new myQQuickView(window);
    m_view->setObjectName(QStringLiteral("ui_View"));
    m_view->setSource(scene);
    // Published after the scene is created: its first calls come with initUI.
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    context->setContextProperty(QStringLiteral("hid"), deviceLink);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    window->resize(m_view->size());
    window->setWindowTitle(readWindowTitle());
}

void Ui_Controler::onMinimize()
{
    if (!m_window)
        return;
    // Hidden, the window comes back through the tray icon; without a tray
    // it is minimised instead, so it can never become unreachable.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_window->setVisible(false);
    else
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (m_window)
        m_window->close();
}

void Ui_Controler::onXChanged(int x)
{
    if (m_window && !m_systemMove)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (m_window && !m_systemMove)
        m_window->move(m_window->x(), m_window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (QQuickItem *root = m_view ? m_view->rootObject() : nullptr)
        QMetaObject::invokeMethod(root, "setProtectUI", Qt::DirectConnection,
                                  Q_ARG(QVariant, QVariant(busyTime)));
}

void Ui_Controler::setBusy()
{
    setBusy(0);
}

void Ui_Controler::startSystemMove()
{
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    m_systemMove = handle && handle->startSystemMove();
}
