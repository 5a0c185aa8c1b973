#pragma once

#include <QString>

class QWidget;

// The modal questions the bridge asks the user. Tests script the answers.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;
    // Empty text when the user cancels.
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual void warning(const QString &title, const QString &text) = 0;

    // Where profile and macro files are imported from and exported to.
    static QString desktopFolder();
};

// The toolkit's file dialogs (parented to the view) and message boxes.
class QtUserDialogs : public UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *parent)
        : m_parent(parent)
    {}
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    void warning(const QString &title, const QString &text) override;

private:
    QWidget *m_parent;
};
