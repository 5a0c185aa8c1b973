#pragma once

#include "UserDialogs.h"

#include <QStringList>

// Answers file dialogs from a script and records every question and warning.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Shared
    {
        QStringList answers;   // next answers, "" = cancel
        QStringList questions; // "open|save <caption> <filter>"
        QStringList warnings;  // "<title>|<text>"
    };

    explicit ScriptedDialogs(Shared &shared)
        : m(shared)
    {}

    QString openFileName(const QString &caption, const QString &, const QString &filter) override
    {
        return answer(QStringLiteral("open ") + caption + u' ' + filter);
    }
    QString saveFileName(const QString &caption, const QString &, const QString &filter) override
    {
        return answer(QStringLiteral("save ") + caption + u' ' + filter);
    }
    void warning(const QString &title, const QString &text) override
    {
        m.warnings.append(title + u'|' + text);
    }

private:
    QString answer(const QString &question)
    {
        m.questions.append(question);
        return m.answers.isEmpty() ? QString() : m.answers.takeFirst();
    }

    Shared &m;
};
