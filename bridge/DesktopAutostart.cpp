#include "DesktopAutostart.h"

#include "FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An Exec argument quoted as desktop entries want it: inside double quotes, with
// ", `, $ and \ escaped; the backslashes once more for the entry's own string escapes.
// A % is doubled, as field codes are.
QString quotedArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$')
            quoted += QStringLiteral("\\\\");
        else if (c == u'\\')
            quoted += QStringLiteral("\\\\\\");
        else if (c == u'%')
            quoted += c;
        quoted += c;
    }
    return u'"' + quoted + u'"';
}

} // namespace

QString DesktopAutostart::defaultEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/k3config.desktop");
}

DesktopAutostart::DesktopAutostart(const QString &entryPath, const QString &program)
    : m_entryPath(entryPath)
    , m_program(program)
{}

bool DesktopAutostart::isEnabled() const
{
    return QFileInfo::exists(m_entryPath);
}

bool DesktopAutostart::setEnabled(bool enabled) const
{
    if (!enabled)
        return !isEnabled() || QFile::remove(m_entryPath);
    const QByteArray entry =
            QStringLiteral("[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=k3config\n"
                           "Comment=Keeps the K3 keyboard's settings at hand in the tray\n"
                           "Exec=%1 --minimized\n"
                           "Icon=k3config\n"
                           "Terminal=false\n")
                    .arg(quotedArgument(m_program))
                    .toUtf8();
    return QDir().mkpath(QFileInfo(m_entryPath).path())
           && FileReplace::writeOver(m_entryPath, entry) == FileFailure::None;
}
