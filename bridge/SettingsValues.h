#pragma once

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace SettingsValues {

// Counts read from files are trusted up to this; more is damage, not data.
constexpr int kMaxCount = 65536;

// A stored number; absent or malformed values give the default.
inline int intOr(const QVariant &value, int fallback)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : fallback;
}

inline int count(const QVariant &value)
{
    return qBound(0, intOr(value, 0), kMaxCount);
}

// Entries first .. first + count - 1 of a group: as the file holds them, `fallback` where it
// holds none. Only the keys the file has are read: a damaged count, or one high number in a file
// of a few bytes, must not cost a lookup per claimed entry; the padding itself is cheap.
inline QVariantList numberedEntries(QSettings &file, const QString &group, int first, int count,
                                    const QVariant &fallback)
{
    QVariantList entries(count, fallback);
    file.beginGroup(group);
    const QStringList keys = file.childKeys();
    for (const QString &key : keys) {
        bool ok = false;
        const int index = key.toInt(&ok) - first;
        if (ok && index >= 0 && index < count && key == QString::number(index + first))
            entries[index] = file.value(key);
    }
    file.endGroup();
    return entries;
}

// A stored list as a list; a single value or an absent key is no list. (Qt 6
// would split a single text into its characters.)
inline QVariantList list(const QVariant &value)
{
    const int type = value.typeId();
    return type == QMetaType::QVariantList || type == QMetaType::QStringList ? value.toList()
                                                                             : QVariantList();
}

// A stored text. An unquoted comma makes a list of a hand-written text; it
// reads back joined instead of as nothing.
inline QString text(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList
                   ? value.toStringList().join(QStringLiteral(", "))
                   : value.toString();
}

// Element i of a list as a number; missing or non-numeric elements give 0.
inline int intAt(const QVariantList &list, qsizetype i)
{
    return i < list.size() ? list.at(i).toInt() : 0;
}

} // namespace SettingsValues
