#include "DeferredSync.h"

#include "FileReplace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>

DeferredSync::DeferredSync(QSettings *settings, FailureHandler onFailure)
    : QObject(settings)
    , m_settings(settings)
    , m_onFailure(std::move(onFailure))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &DeferredSync::write);
    settings->installEventFilter(this);
}

FileFailure DeferredSync::flush()
{
    // A change made since the last turn of the event loop has not asked yet.
    QCoreApplication::sendPostedEvents(m_settings, QEvent::UpdateRequest);
    if (!m_timer.isActive())
        return FileFailure::None;
    m_timer.stop();
    return write();
}

FileFailure DeferredSync::write()
{
    const FileFailure failure = FileReplace::sync(*m_settings);
    if (failure != FileFailure::None && m_onFailure)
        m_onFailure(failure);
    return failure;
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
