#pragma once

#include "FileFailure.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QSettings;

// Holds back a settings object's own write-back, which QSettings runs at the next turn of
// the event loop after a change, for a moment: the burst of changes of one apply (colours,
// five pictures, effect, key matrix) is then written once, after the commands have gone
// out, instead of at every turn of the event loop that waiting for the device link makes.
// A write that fails is reported; the changes stay pending and go with the next write.
// Lives as a child of the settings object; whatever is still pending when that object goes
// is written by its destructor.
class DeferredSync : public QObject
{
public:
    static constexpr int DelayMs = 500;
    using FailureHandler = std::function<void(FileFailure)>;

    DeferredSync(QSettings *settings, FailureHandler onFailure);

    // Writes what is held back now; None when nothing was.
    FileFailure flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FileFailure write();

    QSettings *m_settings;
    FailureHandler m_onFailure;
    QTimer m_timer;
};
