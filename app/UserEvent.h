#pragma once

#include <QEvent>

// The window's own event: type 1000 with one code.
class UserEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::User;
    // The QML interface has been initialised and is to be unlocked and run.
    static constexpr qint32 kStartupDone = 2177;

    explicit UserEvent(qint32 code)
        : QEvent(kType)
        , m_code(code)
    {}

    qint32 code() const { return m_code; }

private:
    qint32 m_code;
};
