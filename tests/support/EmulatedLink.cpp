#include "EmulatedLink.h"

#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "K3Emulator.h"

void scanKeyboards(Hid_Thread &link)
{
    link.scanDevices(readDeviceCatalogue({QStringLiteral("K3"), QStringLiteral("M3")}).entries);
}

std::unique_ptr<Hid_Thread> openEmulatedLink(DeviceEventSink *sink, Scan scan)
{
    K3Emulator::instance().reset();
    auto link = std::make_unique<Hid_Thread>();
    if (sink)
        link->setEventSink(sink);
    if (scan == Scan::Keyboards)
        scanKeyboards(*link);
    return link;
}

void closeEmulatedLink(std::unique_ptr<Hid_Thread> &link)
{
    K3Emulator::instance().setStalled(false);
    link.reset();
    K3Emulator::instance().reset();
}
