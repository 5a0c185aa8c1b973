#include "NoticeTexts.h"

NoticeTexts::NoticeTexts(const QMap<QString, QString> &own, const QMap<QString, QString> &english)
    : m_texts(english)
{
    for (auto it = own.cbegin(); it != own.cend(); ++it) {
        if (!it.value().isEmpty())
            m_texts.insert(it.key(), it.value());
    }
}

QString NoticeTexts::text(const QString &key, const QStringList &args) const
{
    const QString pattern = m_texts.value(key);
    if (pattern.isEmpty())
        return args.join(QStringLiteral(": "));
    QString result;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (pattern.at(i) == u'%' && n >= 1 && n <= args.size()) {
            result += args.at(n - 1);
            ++i;
        } else {
            result += pattern.at(i);
        }
    }
    return result;
}
