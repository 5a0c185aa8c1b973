#include "LegacyIniCodec.h"

#include "FileReplace.h"
#include "LegacyVariantStream.h"

#include <QByteArrayView>
#include <QFileDevice>
#include <QIODevice>
#include <QMap>
#include <QStringDecoder>

namespace LegacyIniCodec {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The first generation wrote the platform's own line ends.
#ifdef Q_OS_WIN
constexpr char kEol[] = "\r\n";
#else
constexpr char kEol[] = "\n";
#endif

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

char namedEscape(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// Unescaped byte runs: UTF-8 when they are valid UTF-8 (hand-edited and
// shipped UTF-8 files), Latin-1 otherwise (what the first generation read).
QString decodeRun(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

void chopTrailingBlanks(QString &text, qsizetype limit)
{
    qsizetype n = text.size();
    while (n > limit && (text.at(n - 1) == u' ' || text.at(n - 1) == u'\t'))
        --n;
    text.truncate(n);
}

// Splits a value into list elements at unquoted commas and resolves escapes
// and quotes. Returns true when the value is a list.
bool unescapeValue(QByteArrayView s, QString &text, QStringList &list)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    bool chopAtEnd = true;
    const auto skipBlanks = [&] {
        while (i < n && (s[i] == ' ' || s[i] == '\t'))
            ++i;
        chopLimit = text.size();
    };
    const auto readNumber = [&](int (*digit)(char), int shift) {
        char16_t value = 0;
        while (i < n && digit(s[i]) >= 0)
            value = char16_t((value << shift) | digit(s[i++]));
        text += QChar(value);
        return i < n;
    };

    skipBlanks();
    while (i < n) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= n) {
                chopAtEnd = false;
                break;
            }
            const char e = s[i++];
            if (const char named = namedEscape(e)) {
                text += QLatin1Char(named);
            } else if (e == 'x') {
                if (i >= n || (hexValue(s[i]) >= 0 && !readNumber(hexValue, 4))) {
                    chopAtEnd = false;
                    break;
                }
            } else if (octValue(e) >= 0) {
                --i;
                if (!readNumber(octValue, 3)) {
                    chopAtEnd = false;
                    break;
                }
            } else if ((e == '\n' || e == '\r') && i < n && (s[i] == '\n' || s[i] == '\r')
                       && s[i] != e) {
                ++i;
            }
            chopLimit = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(text, chopLimit);
            isList = true;
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < n && s[j] != '\\' && s[j] != '"' && s[j] != ',')
                ++j;
            text += decodeRun(s.sliced(i, j - i));
            i = j;
        }
    }
    if (chopAtEnd && !quoted)
        chopTrailingBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

QVariant textToVariant(const QString &s)
{
    if (!s.startsWith(u'@'))
        return s;
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return s.toLatin1().mid(11, s.size() - 12);
        if (s.startsWith(QLatin1String("@Variant("))) {
            QVariant value;
            if (LegacyVariantStream::decode(s.toLatin1().mid(9, s.size() - 10), value))
                return value;
            return s;
        }
        if (s == QLatin1String("@Invalid()"))
            return QVariant();
    }
    if (s.startsWith(QLatin1String("@@")))
        return s.mid(1);
    return s;
}

QVariant listToVariant(const QStringList &list)
{
    QStringList plain = list;
    for (QString &element : plain) {
        if (!element.startsWith(u'@'))
            continue;
        if (element.startsWith(QLatin1String("@@"))) {
            element.remove(0, 1);
            continue;
        }
        QVariantList variants;
        for (const QString &original : list)
            variants.append(textToVariant(original));
        return variants;
    }
    return plain;
}

QString variantToText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QLatin1String("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + u')';
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QString:
    case QMetaType::QUrl: // QML hands over urls where the first generation had text
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool: {
        const QString text = value.toString();
        return text.startsWith(u'@') ? u'@' + text : text;
    }
    default:
        return QLatin1String("@Variant(") + QString::fromLatin1(LegacyVariantStream::encode(value))
               + u')';
    }
}

void escapeText(const QString &text, QByteArray &out)
{
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // A hex digit right after a \x or \0 escape would be read as part of it.
        if (escapeNextIfHex && ch < 0x80 && hexValue(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHex = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

bool isWrittenAsList(const QVariant &value)
{
    // A one-element list has no list syntax; it goes out as a whole variant.
    return value.typeId() == QMetaType::QStringList
           || (value.typeId() == QMetaType::QVariantList && value.toList().size() != 1);
}

// One logical line: leading blanks skipped, quoted line breaks and
// backslash-continued lines kept, a ';' at the start makes a comment.
struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1;
};

bool nextLine(const QByteArray &data, qsizetype &pos, Line &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && isSpace(data.at(line.start)))
        ++line.start;

    qsizetype i = line.start;
    while (i < size) {
        while (i < size && !isSpecial(data.at(i)))
            ++i;
        if (i == size)
            break;
        const char ch = data.at(i++);
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (i == line.start + 1) { // ';' opening a comment line
            while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                ++i;
            line.start = i;
        } else if (!inQuotes) {
            --i;
            break;
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

// Keys as QSettings looks them up: no leading, trailing or doubled '/'. Others
// could never be read, and a rewrite would move them to another key.
QString normalizedKey(const QString &key)
{
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

QString sectionPrefix(const QByteArray &data, const Line &line)
{
    const qsizetype close = data.indexOf(']', line.start);
    const qsizetype end = (close == -1 || close >= line.start + line.length)
                                  ? line.start + line.length
                                  : close;
    const QByteArray name = data.mid(line.start + 1, end - line.start - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.mid(1)) + u'/';
    return decodeKey(name) + u'/';
}

} // namespace

QVariant decodeValue(const QByteArray &text)
{
    QString single;
    QStringList list;
    if (unescapeValue(text, single, list))
        return listToVariant(list);
    return textToVariant(single);
}

QByteArray encodeValue(const QVariant &value)
{
    QByteArray out;
    if (!isWrittenAsList(value)) {
        escapeText(variantToText(value), out);
        return out;
    }
    const QVariantList elements = value.toList();
    if (elements.isEmpty())
        return "@Invalid()";
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (i)
            out += ", ";
        escapeText(variantToText(elements.at(i)), out);
    }
    return out;
}

QByteArray encodeKey(const QString &key)
{
    QByteArray out;
    for (const QChar qc : key) {
        char16_t ch = qc.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
                   || ch == '_' || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHexDigits[ch / 16];
            out += kHexDigits[ch % 16];
        } else {
            out += "%U";
            char digits[4];
            for (int d = 3; d >= 0; --d, ch >>= 4)
                digits[d] = kHexDigits[ch % 16];
            out.append(digits, 4);
        }
    }
    return out;
}

QString decodeKey(const QByteArray &text)
{
    QString out;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        const char ch = text.at(i);
        if (ch == '\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (ch != '%' || i == size - 1) {
            out += QLatin1Char(ch);
            ++i;
            continue;
        }
        const bool wide = text.at(i + 1) == 'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const int code = first + digits <= size ? text.mid(first, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(char16_t(code));
        i = first + digits;
    }
    return out;
}

bool parse(const QByteArray &data, QSettings::SettingsMap &map)
{
    // NUL bytes never occur in a settings file: a binary file reads as empty.
    if (data.contains('\0'))
        return false;
    qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QString prefix;
    Line line;
    while (nextLine(data, pos, line)) {
        if (data.at(line.start) == '[') {
            prefix = sectionPrefix(data, line);
            continue;
        }
        if (line.equals == -1)
            continue;
        qsizetype keyEnd = line.equals;
        while (keyEnd > line.start && (data.at(keyEnd - 1) == ' ' || data.at(keyEnd - 1) == '\t'))
            --keyEnd;
        const QString key = normalizedKey(prefix
                                          + decodeKey(data.mid(line.start, keyEnd - line.start)));
        if (key.isEmpty())
            continue;
        const qsizetype valueStart = line.equals + 1;
        map.insert(key, decodeValue(data.mid(valueStart, line.start + line.length - valueStart)));
    }
    return true;
}

QByteArray serialize(const QSettings::SettingsMap &map)
{
    // Sections in name order, keys in name order within each, as the first
    // generation wrote a file whose keys were all set in one session.
    QMap<QString, QList<QSettings::SettingsMap::const_iterator>> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        sections[slash == -1 ? QString() : it.key().left(slash)].append(it);
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        QByteArray header = encodeKey(section.key());
        if (header.isEmpty())
            header = "General";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header = "%General";
        if (section != sections.cbegin())
            out += kEol;
        out += '[' + header + ']' + kEol;
        for (const auto &entry : section.value()) {
            const QString &key = entry.key();
            const qsizetype slash = key.indexOf(u'/');
            out += encodeKey(slash == -1 ? key : key.mid(slash + 1)) + '='
                   + encodeValue(entry.value()) + kEol;
        }
    }
    return out;
}

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    return parse(device.readAll(), map);
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray data = serialize(map);
    // A false here keeps the settings library from putting a short file in place.
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (file)
        return FileReplace::writeAll(*file, data) == FileFailure::None;
    return device.write(data) == data.size();
}

} // namespace LegacyIniCodec
