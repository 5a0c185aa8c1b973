// The device link's reading of what the keyboard sends: reply blocks and data
// reports of any length and content (fed by the emulated keyboard), with and
// without block scrambling, and event reports of any size through the monitor.
// Every output must be exactly what the bytes received and the presets make.
#include "FuzzSupport.h"

#include "BlockScrambler.h"
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "K3Emulator.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>

#include <array>
#include <memory>
#include <utility>

namespace {

class Input
{
public:
    Input(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {}
    bool atEnd() const { return m_at >= m_size; }
    uchar byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    QByteArray bytes(int count)
    {
        QByteArray b;
        while (count-- > 0 && !atEnd())
            b.append(char(byte()));
        return b;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

QByteArray values(uchar profileNo, uchar effect, uchar brightness, uchar speed)
{
    const char v[] = {char(profileNo), char(effect), char(brightness), char(speed)};
    return QByteArray(v, sizeof v);
}

class Sink : public DeviceEventSink
{
public:
    void zzzMorvel(uchar profileNo, uchar effect, uchar brightness, uchar speed) override
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(values(profileNo, effect, brightness, speed));
    }
    qsizetype count()
    {
        QMutexLocker lock(&m_mutex);
        return m_calls.size();
    }
    QList<QByteArray> takeCalls()
    {
        QMutexLocker lock(&m_mutex);
        return std::exchange(m_calls, {});
    }

private:
    QMutex m_mutex;
    QList<QByteArray> m_calls;
};

struct Link
{
    Sink sink;
    Hid_Thread thread;
};

Link &link()
{
    static Link *l = [] {
        auto *created = new Link;
        created->thread.setEventSink(&created->sink);
        created->thread.scanDevices(readDeviceCatalogue({QStringLiteral("K3")}).entries);
        created->thread.swichCurDevice(0);
        return created;
    }();
    return *l;
}

enum Code : uchar { V80 = 0x80, O82 = 0x82, S84 = 0x84, L88 = 0x88, A1 = 0xA1 };
const uchar kReplyCommands[] = {0x80, 0x82, 0x84, 0x88, 0xA1};
const uchar kDataCommands[] = {0x8C, 0x8D, 0x90, 0x92, 0xB0};

int dataSize(uchar code)
{
    return code == 0xB0 ? 64 : 128;
}

// A reply-block command with outputs preset from the input.
void replyCommand(Input &in, uchar code, QByteArray &detail)
{
    uchar o[6];
    for (uchar &b : o)
        b = in.byte();
    const QByteArray reply = in.bytes(in.byte() % 16);
    detail += " reply " + reply.toHex();
    K3Emulator::instance().scriptReplies({reply});

    // What the link presets the reply with, then what arrives over it.
    std::array<uchar, 9> expected{};
    switch (code) {
    case O82:
        expected = {0, code, o[0], o[1], o[2], 0, 0x55, 0xAA, 0};
        break;
    case S84:
        expected = {0, code, o[0], 0, 0, 0, 0x55, 0xAA, 0};
        break;
    case L88:
        expected = {0, code, o[0], o[1], o[2], o[3], o[4], o[5], 0};
        break;
    default:
        expected = {0, code, 0, 0, 0, 0, 0x55, 0xAA, 0};
        break;
    }
    std::copy_n(reply.constData(), qMin<qsizetype>(9, reply.size()), expected.begin());
    if (Hid_Thread::isEncode())
        BlockScrambler::unscramble(expected.data() + 1, std::array<uchar, 8>{}.data());

    Hid_Thread &l = link().thread;
    QByteArray got;
    QByteArray want;
    switch (code) {
    case V80: {
        quint16 version = 0x1234;
        uchar mode = 7;
        l.hid_80H_GetFWVersion(version, mode);
        got = QByteArray::number(version) + ' ' + QByteArray::number(mode);
        want = QByteArray::number(expected[2] << 8 | expected[3]) + ' '
               + QByteArray::number((expected[4] >> 1) & 1);
        break;
    }
    case O82:
        l.hid_82H_GetKeyboardoption(o[0], o[1], o[2]);
        got = QByteArray(reinterpret_cast<char *>(o), 3);
        want = QByteArray(reinterpret_cast<char *>(expected.data() + 2), 3);
        break;
    case S84:
        l.hid_84H_GetButtonSensitivity(o[0]);
        got = QByteArray(1, char(o[0]));
        want = QByteArray(1, char(expected[2]));
        break;
    case L88:
        l.hid_88H_GetLEDType(o[0], o[1], o[2], o[3], o[4], o[5]);
        got = QByteArray(reinterpret_cast<char *>(o), 6);
        want = QByteArray(reinterpret_cast<char *>(expected.data() + 2), 6);
        break;
    default:
        l.hid_A1H_GetCurrentProfile(o[0]);
        got = QByteArray(1, char(o[0]));
        want = QByteArray(1, char(expected[2]));
        break;
    }
    FUZZ_CHECK(got == want, detail + "\ngot " + got.toHex() + " want " + want.toHex());
}

// A data command: each data report that arrives replaces its piece, cut to 64 bytes
// and padded with zeros; the first one missing ends the transfer.
void dataCommand(Input &in, uchar code, QByteArray &detail)
{
    const int size = dataSize(code);
    const uchar arg1 = in.byte() % 20;
    const uchar arg2 = in.byte() % 4;
    QByteArray buffer = in.bytes(size).leftJustified(size, '\x5A');
    QByteArray expected = buffer;
    QList<QByteArray> script{in.bytes(in.byte() % 16)};
    bool failed = false;
    for (int piece = 0; piece < size / 64; ++piece) {
        const QByteArray report = in.bytes(in.byte() % 80);
        script.append(report);
        failed = failed || report.isEmpty();
        if (!failed)
            expected.replace(piece * 64, 64, report.left(64).leftJustified(64, '\0'));
    }
    detail += " script";
    for (const QByteArray &s : std::as_const(script))
        detail += ' ' + s.toHex();
    K3Emulator::instance().scriptReplies(script);

    uchar *data = reinterpret_cast<uchar *>(buffer.data());
    Hid_Thread &l = link().thread;
    switch (code) {
    case 0x8C:
        l.hid_8CH_GetKeyMatrix_1(data);
        break;
    case 0x8D:
        l.hid_8DH_GetKeyMatrix_2(data);
        break;
    case 0x90:
        l.hid_90H_GetMacroKey(arg1, data);
        break;
    case 0x92:
        l.hid_92H_GetUserPicture(arg1, arg2, data);
        break;
    default:
        l.hid_B0H_GetSevenColor(data);
        break;
    }
    FUZZ_CHECK(buffer == expected,
               detail + "\ngot " + buffer.toHex() + "\nwant " + expected.toHex());
}

int eventRecords()
{
    int count = 0;
    for (const K3Emulator::Record &r : K3Emulator::instance().wireLog())
        count += r.kind == K3Emulator::Kind::Event ? 1 : 0;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    link();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    K3Emulator &emu = K3Emulator::instance();
    emu.clearWireLog();
    Hid_Thread::setEncode(false);
    Input in(data, size);
    QByteArray detail;
    QList<QByteArray> expectedCalls;
    int events = 0;
    for (int op = 0; op < 64 && !in.atEnd(); ++op) {
        const uchar choice = in.byte() % 13;
        detail += "\nop " + QByteArray::number(choice);
        if (choice < 5) {
            replyCommand(in, kReplyCommands[choice], detail);
        } else if (choice < 10) {
            // A scrambled block is a command the keyboard does not know: it sends no data.
            if (!Hid_Thread::isEncode())
                dataCommand(in, kDataCommands[choice - 5], detail);
        } else if (choice == 10) {
            Hid_Thread::setEncode(!Hid_Thread::isEncode());
        } else {
            const QByteArray report = in.bytes(choice == 11 ? in.byte() % 24 : 12);
            detail += " event " + report.toHex();
            emu.queueEventReport(report);
            ++events;
            // The monitor asks for 12 bytes: a longer report is cut, a shorter one ignored.
            if (report.size() >= 12)
                expectedCalls.append(values(report[1], report[4], report[5], report[6]));
        }
    }
    Hid_Thread::setEncode(false);
    const QDeadlineTimer deadline(5000);
    while ((eventRecords() < events || link().sink.count() < expectedCalls.size())
           && !deadline.hasExpired())
        QThread::usleep(50);
    FUZZ_CHECK(eventRecords() == events, detail);
    const QList<QByteArray> calls = link().sink.takeCalls();
    FUZZ_CHECK(calls == expectedCalls, detail);
    return 0;
}
