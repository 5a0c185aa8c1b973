#pragma once

#include "DeviceEventSink.h"
#include "K3Emulator.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <array>
#include <initializer_list>

// Debug messages from every thread, so tests can assert on the link's diagnostics.
// Create it in initTestCase: QtTest installs its own handler when it starts.
class MessageCapture
{
public:
    MessageCapture();
    ~MessageCapture();
    QStringList messages() const;
    bool waitFor(const QString &text, int timeoutMs) const;
    void clear();
};

// Stands in for the view bridge: records the monitor's calls and the thread they came from.
class RecordingSink : public DeviceEventSink
{
public:
    struct Call
    {
        std::array<uchar, 4> values;
        QThread *thread;
    };
    void zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed) override;
    QList<Call> calls() const;
    void clear();

private:
    mutable QMutex mutex;
    QList<Call> recorded;
};

// The emulator's wire log as readable lines, e.g. "feature out 00 21 02 00 00 00 55 AA 00".
QStringList wireText();
QString featureOut(std::initializer_list<int> block);
QString featureOut(const QByteArray &block);
QString dataOut(const QByteArray &payload);
QString dataIn(const QByteArray &payload);
QByteArray bytes(std::initializer_list<int> values);
QByteArray pattern(int size, int seed);
QList<K3Emulator::Record> recordsOf(K3Emulator::Kind kind);
