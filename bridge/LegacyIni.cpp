#include "LegacyIni.h"

#include "LegacyIniCodec.h"

namespace LegacyIni {

QSettings::Format format()
{
    // Registered once; the id stays valid for the life of the process.
    static const QSettings::Format registered = QSettings::registerFormat(
            QStringLiteral("ini"), &LegacyIniCodec::read, &LegacyIniCodec::write, Qt::CaseSensitive);
    return registered;
}

} // namespace LegacyIni
