#include "ProcessStats.h"

#include <QByteArray>
#include <QFile>

#include <ctime>

namespace {

qint64 clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 statusKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

qint64 ProcessStats::monotonicNs()
{
    return clockNs(CLOCK_MONOTONIC);
}

qint64 ProcessStats::cpuTimeNs()
{
    return clockNs(CLOCK_PROCESS_CPUTIME_ID);
}

qint64 ProcessStats::threadCpuTimeNs()
{
    return clockNs(CLOCK_THREAD_CPUTIME_ID);
}

qint64 ProcessStats::threadRunQueueWaitNs()
{
    QFile schedstat(QStringLiteral("/proc/thread-self/schedstat"));
    if (!schedstat.open(QIODevice::ReadOnly))
        return -1;
    return schedstat.readAll().split(' ').value(1).toLongLong();
}

qint64 ProcessStats::residentKb()
{
    return statusKb("VmRSS");
}

qint64 ProcessStats::peakResidentKb()
{
    return statusKb("VmHWM");
}
