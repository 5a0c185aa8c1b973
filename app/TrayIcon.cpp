#include "TrayIcon.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {
constexpr int kProfiles = 4;
const char kMenuStyleSheet[] =
        "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
        "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
        "QMenu::item:enabled { color: rgb(225, 225, 225); } "
        "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
        "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, "
        "40); } "
        "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
        "QMenu::indicator { width: 13px; height: 13px; } "
        "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";
} // namespace

QSystemTrayIcon *createTrayIcon(QWidget *window, const std::function<void(int)> &chooseProfile)
{
    auto *tray = new QSystemTrayIcon(window);
    auto *menu = new QMenu(window);
    auto *profiles = new QActionGroup(menu);
    for (int profile = 0; profile < kProfiles; ++profile) {
        // The profile menu's labels: P01 .. P04.
        QAction *entry = profiles->addAction(
                QStringLiteral("P%1").arg(profile + 1, 2, 10, QLatin1Char('0')));
        entry->setCheckable(true);
        entry->setData(profile);
        QObject::connect(entry, &QAction::triggered, window,
                         [chooseProfile, profile] { chooseProfile(profile); });
    }
    menu->addActions(profiles->actions());
    menu->addSeparator();
    auto *quit = new QAction(QCoreApplication::translate("Widget", "Quit (&Q)"), window);
    QObject::connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    menu->addAction(quit);
    menu->setStyleSheet(QString::fromLatin1(kMenuStyleSheet));
    tray->setContextMenu(menu);
    tray->setToolTip(QStringLiteral("Keyboard"));
    tray->setIcon(QIcon(QStringLiteral("./modules/img/logo.ico")));
    tray->setVisible(true);
    return tray;
}

void showTrayProfile(QSystemTrayIcon *tray, int profile)
{
    for (QAction *entry : tray->contextMenu()->actions()) {
        if (entry->isCheckable())
            entry->setChecked(entry->data().toInt() == profile);
    }
}
