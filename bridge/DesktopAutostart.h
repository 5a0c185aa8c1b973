#pragma once

#include <QString>

// The desktop session's autostart entry for this program
// ($XDG_CONFIG_HOME/autostart/k3config.desktop): present means the program
// starts, hidden to the tray, when the user logs in.
class DesktopAutostart
{
public:
    static QString defaultEntryPath();

    // program: the executable the entry starts, by absolute path.
    DesktopAutostart(const QString &entryPath, const QString &program);

    bool isEnabled() const;
    // Writes or removes the entry; false when that failed, and the entry is as it was.
    bool setEnabled(bool enabled) const;

private:
    QString m_entryPath;
    QString m_program;
};
