#include "LanguageFiles.h"

#include "LegacyIni.h"
#include "LegacyLocaleNames.h"
#include "SettingsValues.h"

#include <QDir>
#include <QSettings>

namespace {

constexpr int kChina = 44;
constexpr int kTaiwan = 208;
constexpr int kMessageCount = 4;
constexpr qsizetype kCodeStart = 5; // after "lang_"
constexpr qsizetype kCodeLength = 6;
const QString kEnglishCode = QStringLiteral("031000");

}

LanguageFiles::LanguageFiles(const QString &folder) : m_folder(folder) {}

QString LanguageFiles::displayName(const QString &langCode)
{
    const int language = langCode.left(3).toInt();
    const int country = langCode.mid(3, 3).toInt();
    const QString name = LegacyLocaleNames::language(language).toUpper();
    switch (country) {
    case 0:
        return name;
    case kChina:
        return name + QStringLiteral(" (Simp)");
    case kTaiwan:
        return name + QStringLiteral(" (Trad)");
    default:
        return name + QStringLiteral(" (") + LegacyLocaleNames::country(country).toUpper() + u')';
    }
}

QVariantMap LanguageFiles::menu() const
{
    QVariantMap map;
    const QStringList files = QDir(m_folder).entryList({QStringLiteral("lang_*.ini")},
                                                       QDir::AllEntries | QDir::NoDotAndDotDot,
                                                       QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        const QString code = file.mid(kCodeStart, kCodeLength);
        map.insert(displayName(code), code);
    }
    return map;
}

QString LanguageFiles::filePath(const QString &langCode) const
{
    return m_folder + QStringLiteral("/lang_") + langCode + QStringLiteral(".ini");
}

LanguageFiles::Texts LanguageFiles::load(const QString &langCode) const
{
    QSettings file(filePath(langCode), LegacyIni::format());
    Texts texts;
    texts.strings.append(SettingsValues::text(file.value(QStringLiteral("font/family"))));
    // Texts are numbered from 1.
    const QVariantList strings = SettingsValues::numberedEntries(
        file, QStringLiteral("strings"), 1, SettingsValues::count(file.value(QStringLiteral("font/total"))), QVariant());
    for (const QVariant &text : strings)
        texts.strings.append(SettingsValues::text(text));
    for (int i = 0; i < kMessageCount; ++i)
        texts.messages.append(SettingsValues::text(file.value(QStringLiteral("msg/") + QString::number(i))));
    return texts;
}

QVariantMap LanguageFiles::group(const QString &langCode, const QString &group) const
{
    QVariantMap texts;
    for (const QString &code : {kEnglishCode, langCode}) {
        QSettings file(filePath(code), LegacyIni::format());
        file.beginGroup(group);
        const QStringList keys = file.childKeys();
        for (const QString &key : keys) {
            const QString text = SettingsValues::text(file.value(key));
            if (!text.isEmpty())
                texts.insert(key, text);
        }
    }
    return texts;
}
