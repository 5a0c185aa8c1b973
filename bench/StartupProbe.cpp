// Preloaded (LD_PRELOAD) into a program under measurement. It notes the moment the
// program's start-up handshake has run QML's `run`, the CPU time used until then, how long
// the GUI thread waited for a CPU taken by others, and the peak resident memory; writes them
// to the file named by K3_PROBE_OUT as "<monotonic ns> <cpu ns> <run-queue wait ns>
// <peak kB at run> <peak kB a second later>" and ends the program the ordinary way.
#include "ProcessStats.h"
#include "UserEvent.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

// After the first frames are drawn: the peak then includes them.
constexpr int SettleMs = 1000;

void report(qint64 readyNs, qint64 readyCpuNs, qint64 readyWaitNs, qint64 readyPeakKb)
{
    QFile out(qEnvironmentVariable("K3_PROBE_OUT"));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(QByteArray::number(readyNs) + ' ' + QByteArray::number(readyCpuNs) + ' '
                  + QByteArray::number(readyWaitNs) + ' ' + QByteArray::number(readyPeakKb) + ' '
                  + QByteArray::number(ProcessStats::peakResidentKb()) + '\n');
    out.close();
    QCoreApplication::quit();
}

// The handshake event queues QML `run`: a call queued behind it runs once `run` has.
void afterRun()
{
    QMetaObject::invokeMethod(
            qApp,
            [] {
                const qint64 readyNs = ProcessStats::monotonicNs();
                // Under callgrind, the instructions up to here are a part of their own.
                CALLGRIND_DUMP_STATS_AT("run reached");
                const qint64 readyCpuNs = ProcessStats::cpuTimeNs();
                const qint64 readyWaitNs = ProcessStats::threadRunQueueWaitNs();
                const qint64 readyPeakKb = ProcessStats::peakResidentKb();
                QTimer::singleShot(SettleMs, qApp, [readyNs, readyCpuNs, readyWaitNs, readyPeakKb] {
                    report(readyNs, readyCpuNs, readyWaitNs, readyPeakKb);
                });
            },
            Qt::QueuedConnection);
}

class HandshakeWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == UserEvent::kType
            && static_cast<UserEvent *>(event)->code() == UserEvent::kStartupDone) {
            m_seen = true;
            QMetaObject::invokeMethod(qApp, &afterRun, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

void install()
{
    if (!qEnvironmentVariableIsEmpty("K3_PROBE_OUT"))
        qApp->installEventFilter(new HandshakeWatch(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
