#pragma once

#include <QObject>

// Counts the emissions of a signal known only by name (the signals of QML objects).
class SignalCounter : public QObject
{
    Q_OBJECT
public:
    SignalCounter(QObject *sender, const char *signal);
    int count() const { return m_count; }

public slots:
    void hit() { ++m_count; }

private:
    int m_count = 0;
};
