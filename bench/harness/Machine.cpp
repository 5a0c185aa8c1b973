#include "Machine.h"

#include <QFile>
#include <QSysInfo>
#include <QThread>

namespace {

QByteArray procFile(const QString &name)
{
    QFile file(QStringLiteral("/proc/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray field(const QByteArray &text, const QByteArray &name)
{
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith(name))
            return line.mid(line.indexOf(':') + 1).trimmed();
    }
    return {};
}

} // namespace

QString Machine::description()
{
    const QByteArray memory =
            field(procFile(QStringLiteral("meminfo")), "MemTotal").split(' ').value(0);
    return QStringLiteral("%1, %2 logical CPUs, %3 GB memory; %4 %5; Qt %6")
            .arg(QString::fromLatin1(field(procFile(QStringLiteral("cpuinfo")), "model name")))
            .arg(QThread::idealThreadCount())
            .arg(memory.toDouble() / 1024 / 1024, 0, 'f', 1)
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
                 QString::fromLatin1(qVersion()));
}

QString Machine::loadAverage()
{
    return QString::fromLatin1(procFile(QStringLiteral("loadavg")).split(' ').mid(0, 3).join(' '));
}
