#include "ShippedFiles.h"

#include "RuntimeCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJSEngine>
#include <QRegularExpression>
#include <QtEndian>

namespace ShippedFiles {

QString modules(const QString &relative)
{
    return QStringLiteral(K3_SOURCE_DIR "/modules/") + relative;
}

QString repository(const QString &relative)
{
    return QStringLiteral(K3_SOURCE_DIR "/") + relative;
}

QString copyOf(const QString &folder, const QString &targetRoot)
{
    const QString target = targetRoot + QLatin1Char('/') + folder;
    copyTree(modules(folder), target);
    return target;
}

QJSValue sceneScript(QJSEngine &engine, const QString &relative)
{
    QFile file(modules(QStringLiteral("qml/") + relative));
    if (!file.open(QIODevice::ReadOnly))
        return QJSValue();
    QString source = QString::fromUtf8(file.readAll());
    source.remove(QRegularExpression(QStringLiteral("^\\.(pragma|import)[^\\n]*"),
                                     QRegularExpression::MultilineOption));
    const QJSValue result = engine.evaluate(source, file.fileName());
    return result.isError() ? result : engine.globalObject();
}

QSet<QString> scenePictureLiterals()
{
    static const QRegularExpression literal(
            QStringLiteral("\"((?:frame|list_up|list_dn|list_pf|list_fn|list_center|model_ms|model_"
                           "kb|common)/[A-Za-z0-9_-]+(?:\\.png)?"
                           "|[A-Za-z][A-Za-z0-9_-]*\\.png)\""));
    QSet<QString> found;
    QDirIterator it(modules(QStringLiteral("qml")),
                    {QStringLiteral("*.qml"), QStringLiteral("*.js")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &m : literal.globalMatch(text))
            found.insert(m.captured(1));
    }
    return found;
}

double wavSeconds(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + at + 4);
        if (id == "fmt " && at + 20 <= data.size())
            byteRate = qFromLittleEndian<quint32>(data.constData() + at + 16);
        if (id == "data")
            return byteRate ? double(size) / byteRate : -1;
        at += 8 + size + (size & 1);
    }
    return -1;
}

double mp3Seconds(const QString &path)
{
    static const int kbits[] = {0,   32,  40,  48,  56,  64,  80,  96,
                                112, 128, 160, 192, 224, 256, 320, 0};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    qsizetype at = 0;
    if (data.startsWith("ID3") && data.size() > 10)
        at = 10
             + ((data[6] & 0x7f) << 21 | (data[7] & 0x7f) << 14 | (data[8] & 0x7f) << 7
                | (data[9] & 0x7f));
    if (at + 4 > data.size())
        return -1;
    const uchar b1 = uchar(data[at + 1]), b2 = uchar(data[at + 2]);
    const bool mpeg1Layer3 = uchar(data[at]) == 0xff && (b1 & 0xfe) == 0xfa;
    const int rate = kbits[b2 >> 4];
    if (!mpeg1Layer3 || rate == 0)
        return -1;
    return double(data.size() - at) * 8 / (rate * 1000);
}

} // namespace ShippedFiles
