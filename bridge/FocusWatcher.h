#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Tells which application's window is in front, as far as the desktop lets us see it.
class FocusWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False where the desktop cannot be watched: the focus then comes only from what a
    // script or extension reports over D-Bus.
    virtual bool isAutomatic() const = 0;
    // The applications of the open windows, for choosing one for a rule; may be empty.
    virtual QStringList openApplications() const = 0;

signals:
    // Empty for this program's own windows and when no window is in front.
    void applicationFocused(const QString &application);
};
