#include "UserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

QString UserDialogs::desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString QtUserDialogs::openFileName(const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString QtUserDialogs::saveFileName(const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, folder, filter);
}

void QtUserDialogs::warning(const QString &title, const QString &text)
{
    // Unparented, as the first generation showed them.
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}
