#include "MacroCodec.h"

namespace MacroCodec {

const QString kPressTag = QStringLiteral("       [\u25BC]");
const QString kReleaseTag = QStringLiteral("       [\u25B2]");
const QString kPauseTag = QStringLiteral("      [ms]");

namespace {

constexpr qsizetype kTagLength = 10;

void appendKey(QList<uchar> &out, uchar command, const QString &name,
               const QMap<QString, uchar> &keyCodes)
{
    const uchar code = keyCodes.value(name, 0);
    if (code != 0)
        out << command << code;
}

void appendPause(QList<uchar> &out, const QString &milliseconds)
{
    const int n = milliseconds.toInt();
    if (n == 0)
        return;
    // Counted in units of 10 ms; the device word keeps the low 16 bits.
    const int count = n / 10;
    out << 0x7F << 0x00 << uchar(count / 256) << uchar(count);
}

} // namespace

QList<uchar> encode(const QStringList &steps, const QMap<QString, uchar> &keyCodes)
{
    QList<uchar> out{0x00, 0x01};
    for (const QString &step : steps) {
        if (step.size() < kTagLength)
            continue;
        const QString tag = step.right(kTagLength);
        const QString value = step.left(step.size() - kTagLength);
        if (tag == kPressTag)
            appendKey(out, 0x01, value, keyCodes);
        else if (tag == kReleaseTag)
            appendKey(out, 0x81, value, keyCodes);
        else if (tag == kPauseTag)
            appendPause(out, value);
    }
    out << 0x00 << 0x00;
    return out;
}

Block block(const QList<uchar> &encoded)
{
    Block out{};
    const qsizetype length = qMin<qsizetype>(kBlockSize, encoded.size());
    for (qsizetype i = 0; i + 1 < length; i += 2) {
        out[i] = encoded.at(i + 1);
        out[i + 1] = encoded.at(i);
    }
    return out;
}

} // namespace MacroCodec
