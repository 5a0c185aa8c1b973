#pragma once

class QSystemTrayIcon;
class QWidget;

// The tray icon that keeps a hidden window reachable: tooltip "Keyboard",
// the program icon and a menu whose only entry quits the program. Everything
// is a child of the window. It is shown as soon as a system tray exists.
QSystemTrayIcon *createTrayIcon(QWidget *window);
