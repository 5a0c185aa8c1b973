#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The notice texts of one language (group [notice] of its language file), by name;
// names the language lacks take the English text.
class NoticeTexts
{
public:
    NoticeTexts() = default;
    NoticeTexts(const QMap<QString, QString> &own, const QMap<QString, QString> &english);

    // Text `key` with %1, %2, ... filled from args in one pass, so an argument that
    // itself holds "%1" stays as it is. Without a text the arguments stand alone.
    QString text(const QString &key, const QStringList &args = {}) const;

private:
    QMap<QString, QString> m_texts;
};
