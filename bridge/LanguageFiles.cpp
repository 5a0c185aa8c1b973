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

} // namespace

LanguageFiles::LanguageFiles(const QString &folder)
    : m_folder(folder)
{}

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

QString LanguageFiles::path(const QString &langCode) const
{
    return m_folder + QStringLiteral("/lang_") + langCode + QStringLiteral(".ini");
}

QVariantMap LanguageFiles::group(const QString &langCode, const QString &name) const
{
    QVariantMap texts;
    for (const QString &code : {QString::fromLatin1(kEnglish), langCode}) {
        QSettings file(path(code), LegacyIni::format());
        const QMap<QString, QString> named = namedTexts(file, name);
        for (auto it = named.begin(); it != named.end(); ++it) {
            if (!it.value().isEmpty())
                texts.insert(it.key(), it.value());
        }
    }
    return texts;
}

QMap<QString, QString> LanguageFiles::namedTexts(QSettings &file, const QString &group)
{
    QMap<QString, QString> texts;
    file.beginGroup(group);
    for (const QString &key : file.childKeys())
        texts.insert(key, SettingsValues::text(file.value(key)));
    file.endGroup();
    return texts;
}

LanguageFiles::Texts LanguageFiles::load(const QString &langCode) const
{
    QSettings file(path(langCode), LegacyIni::format());
    Texts texts;
    texts.strings.append(SettingsValues::text(file.value(QStringLiteral("font/family"))));
    // Texts are numbered from 1.
    const QVariantList strings = SettingsValues::numberedEntries(
            file, QStringLiteral("strings"), 1,
            SettingsValues::count(file.value(QStringLiteral("font/total"))), QVariant());
    for (const QVariant &text : strings)
        texts.strings.append(SettingsValues::text(text));
    for (int i = 0; i < kMessageCount; ++i)
        texts.messages.append(
                SettingsValues::text(file.value(QStringLiteral("msg/") + QString::number(i))));
    texts.notices = namedTexts(file, QStringLiteral("notice"));
    texts.connection = namedTexts(file, QStringLiteral("connection"));
    return texts;
}
