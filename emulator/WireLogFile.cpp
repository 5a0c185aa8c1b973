#include "WireLogFile.h"

#include "K3Emulator.h"

#include <QFile>

WireLogFile::~WireLogFile()
{
    const QString path = qEnvironmentVariable("K3EMU_WIRE_LOG");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    for (const K3Emulator::Record &record : K3Emulator::instance().wireLog()) {
        if (record.toDevice())
            file.write((record.kind == K3Emulator::Kind::FeatureOut ? "F " : "D ")
                       + record.bytes.toHex(' ').toUpper() + '\n');
    }
}
