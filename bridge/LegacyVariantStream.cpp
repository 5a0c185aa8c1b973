#include "LegacyVariantStream.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringList>

namespace LegacyVariantStream {
namespace {

// Type numbers of the Qt 4.0 stream format.
enum : quint32 {
    Invalid = 0,
    Bool = 1,
    Int = 2,
    UInt = 3,
    LongLong = 4,
    ULongLong = 5,
    Double = 6,
    Char = 7,
    Map = 8,
    List = 9,
    String = 10,
    StringList = 11,
    ByteArray = 12
};

constexpr int kMaxDepth = 16;
constexpr quint32 kNullLength = 0xFFFFFFFF;

class Reader
{
public:
    explicit Reader(const QByteArray &payload)
        : m_size(payload.size())
        , m_stream(payload)
    {
        m_stream.setVersion(QDataStream::Qt_4_0);
    }

    bool variant(QVariant &value, int depth)
    {
        quint32 type = 0;
        if (depth > kMaxDepth || !number(type))
            return false;
        switch (type) {
        case Invalid: {
            QString ignored;
            value = QVariant();
            return string(ignored);
        }
        case Bool: {
            qint8 v = 0;
            const bool read = number(v);
            value = v != 0;
            return read;
        }
        case Int:
            return scalar<qint32>(value);
        case UInt:
            return scalar<quint32>(value);
        case LongLong:
            return scalar<qint64>(value);
        case ULongLong:
            return scalar<quint64>(value);
        case Double:
            return scalar<double>(value);
        case Char: {
            quint16 v = 0;
            const bool read = number(v);
            value = QChar(v);
            return read;
        }
        case String: {
            QString v;
            const bool read = string(v);
            value = v;
            return read;
        }
        case ByteArray: {
            QByteArray v;
            const bool read = bytes(v);
            value = v;
            return read;
        }
        case List:
            return sequence<QVariantList>(value, [&](QVariantList &l) {
                QVariant v;
                return variant(v, depth + 1) && (l.append(v), true);
            });
        case StringList:
            return sequence<QStringList>(value, [&](QStringList &l) {
                QString v;
                return string(v) && (l.append(v), true);
            });
        case Map:
            return sequence<QVariantMap>(value, [&](QVariantMap &m) {
                QString key;
                QVariant v;
                return string(key) && variant(v, depth + 1) && (m.insert(key, v), true);
            });
        default:
            return false;
        }
    }

    bool atEnd() const { return m_stream.atEnd(); }

private:
    bool ok() const { return m_stream.status() == QDataStream::Ok; }

    template<typename T>
    bool number(T &v)
    {
        m_stream >> v;
        return ok();
    }

    template<typename T>
    bool scalar(QVariant &value)
    {
        T v{};
        const bool read = number(v);
        value = QVariant::fromValue(v);
        return read;
    }

    qint64 remaining() const { return m_size - m_stream.device()->pos(); }

    bool bytes(QByteArray &v)
    {
        quint32 length = 0;
        if (!number(length))
            return false;
        if (length == kNullLength)
            return true;
        if (length > remaining())
            return false;
        v.resize(length);
        return m_stream.readRawData(v.data(), int(length)) == int(length);
    }

    bool string(QString &v)
    {
        QByteArray raw;
        if (!bytes(raw) || raw.size() % 2)
            return false;
        v.resize(raw.size() / 2);
        for (qsizetype i = 0; i < v.size(); ++i)
            v[i] = QChar(char16_t((uchar(raw[2 * i]) << 8) | uchar(raw[2 * i + 1])));
        return true;
    }

    // Element counts are trusted only as far as the payload reaches: every
    // element takes at least one byte, and reading stops at the first failure.
    template<typename Container, typename ReadOne>
    bool sequence(QVariant &value, ReadOne readOne)
    {
        quint32 count = 0;
        if (!number(count) || count > remaining())
            return false;
        Container c;
        for (quint32 i = 0; i < count; ++i) {
            if (!readOne(c))
                return false;
        }
        value = QVariant::fromValue(c);
        return true;
    }

    qint64 m_size;
    QDataStream m_stream;
};

} // namespace

QByteArray encode(const QVariant &value)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << value;
    return payload;
}

bool decode(const QByteArray &payload, QVariant &value)
{
    Reader reader(payload);
    QVariant decoded;
    if (!reader.variant(decoded, 0) || !reader.atEnd())
        return false;
    value = decoded;
    return true;
}

} // namespace LegacyVariantStream
