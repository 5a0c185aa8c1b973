#include "LinkCommands.h"

#include "Hid_Thread.h"

#include <initializer_list>

namespace {

using Kind = LinkCommand::Kind;
using Send = std::function<void(Hid_Thread &, const uchar *)>;
using Receive = std::function<void(Hid_Thread &, uchar *)>;

QByteArray block(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// The common block shape: code, the arguments in bytes 1..3, the 55 AA signature.
QByteArray block(int code, int b1 = 0, int b2 = 0, int b3 = 0)
{
    return block({code, b1, b2, b3, 0, 0x55, 0xAA, 0});
}

LinkCommand writer(const char *code, const QByteArray &b, int dataSize, Send send)
{
    return {QString::fromLatin1(code),
            b,
            dataSize ? Kind::WriteData : Kind::Write,
            dataSize,
            0,
            [send](Hid_Thread &link, const QByteArray &data, QByteArray) {
                // The caller may reuse its buffer at once: the link must send its own copy.
                QByteArray buffer(data.constData(), data.size());
                send(link, reinterpret_cast<const uchar *>(buffer.constData()));
                buffer.fill(char(0xEE));
                return QByteArray();
            }};
}

LinkCommand reader(const char *code, const QByteArray &b, int outputSize, Receive receive,
                   Kind kind = Kind::Read)
{
    return {QString::fromLatin1(code),
            b,
            kind,
            kind == Kind::ReadData ? outputSize : 0,
            outputSize,
            [receive](Hid_Thread &link, const QByteArray &, QByteArray outputs) {
                receive(link, reinterpret_cast<uchar *>(outputs.data()));
                return outputs;
            }};
}

QList<LinkCommand> buildCommands()
{
    return {
            writer("02", block(0x02, 1, 2, 3), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_02H_SetKeyboardoption(1, 2, 3); }),
            writer("04", block(0x04, 9), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_04H_SetButtonSensitivity(9); }),
            writer("08", block({0x08, 1, 2, 3, 4, 5, 6, 0}), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6); }),
            writer("09", block(0x09, 0xAA, 0xCC, 0xEE), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_09H_StopMacroSending(); }),
            writer("0C", block(0x0C), 128,
                   [](Hid_Thread &l, const uchar *d) { l.hid_0CH_SetKeyMatrix_1(d); }),
            writer("0D", block(0x0D), 128,
                   [](Hid_Thread &l, const uchar *d) { l.hid_0DH_SetKeyMatrix_2(d); }),
            writer("0F", block({0x0F, 0xAA, 0x55, 0xCC, 0x33, 0xBB, 0x99, 0xEE}), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_0FH_SetISPBootLoader(); }),
            writer("10", block(0x10, 0, 3), 128,
                   [](Hid_Thread &l, const uchar *d) { l.hid_10H_SetMacroKey(3, d); }),
            writer("12", block(0x12, 0, 2, 1), 128,
                   [](Hid_Thread &l, const uchar *d) { l.hid_12H_SetUserPicture(2, 1, d); }),
            writer("13", block(0x13, 0xFF, 0x1F), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_13H_SetRecoveryData(); }),
            writer("21", block(0x21, 2), 0,
                   [](Hid_Thread &l, const uchar *) { l.hid_21H_SetCurrentProfile(2); }),
            writer("30", block(0x30), 64,
                   [](Hid_Thread &l, const uchar *d) { l.hid_30H_SetSevenColor(d); }),
            // Outputs of 0x80: the version word high byte first, then the layout bit.
            reader("80", block(0x80), 3,
                   [](Hid_Thread &l, uchar *o) {
                       quint16 version = quint16(o[0] << 8 | o[1]);
                       l.hid_80H_GetFWVersion(version, o[2]);
                       o[0] = uchar(version >> 8);
                       o[1] = uchar(version);
                   }),
            reader("82", block(0x82), 3,
                   [](Hid_Thread &l, uchar *o) { l.hid_82H_GetKeyboardoption(o[0], o[1], o[2]); }),
            reader("84", block(0x84), 1,
                   [](Hid_Thread &l, uchar *o) { l.hid_84H_GetButtonSensitivity(o[0]); }),
            reader("88", block(0x88), 6,
                   [](Hid_Thread &l, uchar *o) {
                       l.hid_88H_GetLEDType(o[0], o[1], o[2], o[3], o[4], o[5]);
                   }),
            reader(
                    "8C", block(0x8C), 128,
                    [](Hid_Thread &l, uchar *o) { l.hid_8CH_GetKeyMatrix_1(o); }, Kind::ReadData),
            reader(
                    "8D", block(0x8D), 128,
                    [](Hid_Thread &l, uchar *o) { l.hid_8DH_GetKeyMatrix_2(o); }, Kind::ReadData),
            reader(
                    "90", block(0x90, 0, 4), 128,
                    [](Hid_Thread &l, uchar *o) { l.hid_90H_GetMacroKey(4, o); }, Kind::ReadData),
            reader(
                    "92", block(0x92, 0, 1, 2), 128,
                    [](Hid_Thread &l, uchar *o) { l.hid_92H_GetUserPicture(1, 2, o); },
                    Kind::ReadData),
            reader("A1", block(0xA1), 1,
                   [](Hid_Thread &l, uchar *o) { l.hid_A1H_GetCurrentProfile(o[0]); }),
            reader(
                    "B0", block(0xB0), 64,
                    [](Hid_Thread &l, uchar *o) { l.hid_B0H_GetSevenColor(o); }, Kind::ReadData),
    };
}

} // namespace

QByteArray LinkCommand::outputsAfterFailure(const QByteArray &preset) const
{
    // The profile read has no current value to preset its reply with.
    return code == QLatin1String("A1") ? QByteArray(1, 0) : preset;
}

QByteArray LinkCommand::outputsFrom(const QByteArray &reply, const QByteArray &data) const
{
    if (kind == Kind::ReadData)
        return data.left(dataSize);
    if (code == QLatin1String("80"))
        return reply.mid(2, 2) + char((uchar(reply.at(4)) >> 1) & 1);
    return reply.mid(2, outputSize);
}

const QList<LinkCommand> &linkCommands()
{
    static const QList<LinkCommand> commands = buildCommands();
    return commands;
}
