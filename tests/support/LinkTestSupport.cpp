#include "LinkTestSupport.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QTest>

namespace {

QMutex messageMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker lock(&messageMutex);
        captured.append(text);
    }
    previousHandler(type, context, text);
}

QString line(const char *kind, const QByteArray &bytes)
{
    return QString::fromLatin1(kind) + QLatin1Char(' ')
           + QString::fromLatin1(bytes.toHex(' ').toUpper());
}

const char *kindName(K3Emulator::Kind kind)
{
    switch (kind) {
    case K3Emulator::Kind::FeatureOut:
        return "feature out";
    case K3Emulator::Kind::FeatureIn:
        return "feature in";
    case K3Emulator::Kind::DataOut:
        return "data out";
    case K3Emulator::Kind::DataIn:
        return "data in";
    case K3Emulator::Kind::Event:
        return "event";
    }
    return "?";
}

} // namespace

MessageCapture::MessageCapture()
{
    QLoggingCategory::setFilterRules(QStringLiteral("k3config.link.debug=true"));
    previousHandler = qInstallMessageHandler(capture);
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
}

QStringList MessageCapture::messages() const
{
    QMutexLocker lock(&messageMutex);
    return captured;
}

bool MessageCapture::waitFor(const QString &text, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!messages().contains(text)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}

void MessageCapture::clear()
{
    QMutexLocker lock(&messageMutex);
    captured.clear();
}

void RecordingSink::zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed)
{
    QMutexLocker lock(&mutex);
    recorded.append({{profileNo, effect, brightness, speed}, QThread::currentThread()});
}

QList<RecordingSink::Call> RecordingSink::calls() const
{
    QMutexLocker lock(&mutex);
    return recorded;
}

void RecordingSink::clear()
{
    QMutexLocker lock(&mutex);
    recorded.clear();
}

QStringList wireText()
{
    QStringList lines;
    for (const K3Emulator::Record &record : K3Emulator::instance().wireLog())
        lines.append(line(kindName(record.kind), record.bytes));
    return lines;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

QString featureOut(const QByteArray &block)
{
    return line("feature out", QByteArray(1, 0) + block);
}

QString featureOut(std::initializer_list<int> block)
{
    return featureOut(bytes(block));
}

QString dataOut(const QByteArray &payload)
{
    return line("data out", QByteArray(1, 0) + payload);
}

QString dataIn(const QByteArray &payload)
{
    return line("data in", payload);
}

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, 0);
    for (int i = 0; i < size; ++i)
        b[i] = char(seed + i * 7);
    return b;
}

QList<K3Emulator::Record> recordsOf(K3Emulator::Kind kind)
{
    QList<K3Emulator::Record> list;
    for (const K3Emulator::Record &record : K3Emulator::instance().wireLog()) {
        if (record.kind == kind)
            list.append(record);
    }
    return list;
}
