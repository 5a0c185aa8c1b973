#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QSettings;

// The language files lang_LLLCCC.ini of the language folder.
class LanguageFiles
{
public:
    struct Texts
    {
        QStringList strings;               // font family, then interface strings 1..N
        QStringList messages;              // msg/0 .. msg/3
        QMap<QString, QString> notices;    // [notice]: name -> text with %1.. placeholders
        QMap<QString, QString> connection; // [connection]: the keyboard indicator's texts, as notices
    };

    explicit LanguageFiles(const QString &folder = QStringLiteral("./modules/i18n"));

    // Display name -> language code of every language file.
    QVariantMap menu() const;
    Texts load(const QString &langCode) const;
    // The texts of a named group, key -> text; English where the language has none.
    QVariantMap group(const QString &langCode, const QString &name) const;

    static constexpr const char *kEnglish = "031000";

    // "ENGLISH", "CHINESE (Simp)", "ENGLISH (UNITED STATES)", ...
    static QString displayName(const QString &langCode);

private:
    QString path(const QString &langCode) const;
    static QMap<QString, QString> namedTexts(QSettings &file, const QString &group);

    QString m_folder;
};
