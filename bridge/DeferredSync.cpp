#include "DeferredSync.h"

#include <QEvent>
#include <QSettings>

DeferredSync::DeferredSync(QSettings *settings)
    : QObject(settings)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, settings, &QSettings::sync);
    settings->installEventFilter(this);
}

bool DeferredSync::eventFilter(QObject *watched, QEvent *event)
{
    // The settings object asks for its write-back once per burst; the timer answers it.
    if (event->type() != QEvent::UpdateRequest)
        return QObject::eventFilter(watched, event);
    if (!m_timer.isActive())
        m_timer.start();
    return true;
}
