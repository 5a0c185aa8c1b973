#include "EmulatorWire.h"

#include "K3Emulator.h"
#include "ProcessStats.h"
#include "Report.h"

#include <QDeadlineTimer>
#include <QTest>

#include <hidapi/hidapi.h>

#include <limits>

namespace {

constexpr int CalibrationRounds = 20;
qint64 zeroNs = 0;

} // namespace

// A block sent by the bench itself and timed on both sides; the tightest of a few gives the
// offset between the clocks. The firmware-version request changes nothing on the keyboard.
void EmulatorWire::anchorClock()
{
    K3Emulator &keyboard = K3Emulator::instance();
    QByteArray path;
    for (const K3Emulator::Node &node : K3Emulator::defaultNodes()) {
        if (node.role == K3Emulator::Role::Command)
            path = node.path;
    }
    hid_device *handle = hid_open_path(path.constData());
    const uchar request[] = {0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x55, 0xAA, 0x00};
    qint64 narrowest = std::numeric_limits<qint64>::max();
    for (int attempt = 0; attempt < CalibrationRounds && handle; ++attempt) {
        const qint64 before = ProcessStats::monotonicNs();
        hid_send_feature_report(handle, request, sizeof request);
        const qint64 after = ProcessStats::monotonicNs();
        const QList<K3Emulator::Record> log = keyboard.wireLog();
        if (!log.isEmpty() && after - before < narrowest) {
            narrowest = after - before;
            zeroNs = before + (after - before) / 2 - log.last().nsecs;
        }
    }
    hid_close(handle);
    keyboard.clearWireLog();
    note(QStringLiteral("wire log clock anchored within ±%1 us").arg(narrowest / 2000.0, 0, 'f', 3));
}

qint64 EmulatorWire::nowNs()
{
    return ProcessStats::monotonicNs() - zeroNs;
}

QList<EmulatorWire::Sent> EmulatorWire::sent()
{
    QList<Sent> out;
    uchar command = 0;
    for (const K3Emulator::Record &record : K3Emulator::instance().wireLog()) {
        if (!record.toDevice())
            continue;
        const bool data = record.kind == K3Emulator::Kind::DataOut;
        if (!data)
            command = record.bytes.size() > 1 ? uchar(record.bytes.at(1)) : 0;
        out.append({record.nsecs, data, command});
    }
    return out;
}

QList<WireFloor::Report> EmulatorWire::reports(const QList<Sent> &sent)
{
    QList<WireFloor::Report> out;
    for (const Sent &s : sent)
        out.append({s.nsecs, s.data});
    return out;
}

bool EmulatorWire::waitForQuiet(int quietMs, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const QList<Sent> all = sent();
        if (!all.isEmpty() && nowNs() - all.last().nsecs > qint64(quietMs) * 1000000)
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
}
