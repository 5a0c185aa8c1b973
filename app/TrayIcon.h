#pragma once

#include <functional>

class QSystemTrayIcon;
class QWidget;

// The tray icon that keeps a hidden window reachable: tooltip "Keyboard", the program icon
// and a menu of the four profiles above the entry that quits the program. Choosing a
// profile calls chooseProfile with 0..3. Everything is a child of the window. It is shown
// as soon as a system tray exists.
QSystemTrayIcon *createTrayIcon(QWidget *window, const std::function<void(int)> &chooseProfile);

// Checks the menu entry of profile 0..3.
void showTrayProfile(QSystemTrayIcon *tray, int profile);
