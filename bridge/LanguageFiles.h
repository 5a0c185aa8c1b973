#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The language files lang_LLLCCC.ini of the language folder.
class LanguageFiles
{
public:
    struct Texts
    {
        QStringList strings;  // font family, then interface strings 1..N
        QStringList messages; // msg/0 .. msg/3
    };

    explicit LanguageFiles(const QString &folder = QStringLiteral("./modules/i18n"));

    // Display name -> language code of every language file.
    QVariantMap menu() const;
    Texts load(const QString &langCode) const;
    // The texts of a named group, key -> text; English where the language has none.
    QVariantMap group(const QString &langCode, const QString &group) const;

    // "ENGLISH", "CHINESE (Simp)", "ENGLISH (UNITED STATES)", ...
    static QString displayName(const QString &langCode);

private:
    QString filePath(const QString &langCode) const;

    QString m_folder;
};
