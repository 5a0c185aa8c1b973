#pragma once

#include "EmulatedLink.h"
#include "Hid_Thread.h"
#include "K3Emulator.h"
#include "LinkTestSupport.h"

#include <memory>

// What every test case of the device link works with: the emulated keyboard, the link's
// diagnostics and a link made afresh for each case.
class LinkFixture
{
protected:
    // From initTestCase: QtTest installs its own message handler when it starts.
    void captureMessages() { capture = std::make_unique<MessageCapture>(); }
    // A new link on the reset keyboard; what was logged until now is forgotten.
    void openLink(DeviceEventSink *sink = nullptr, Scan scan = Scan::Keyboards)
    {
        link = openEmulatedLink(sink, scan);
        capture->clear();
    }
    void closeLink() { closeEmulatedLink(link); }

    K3Emulator &emu = K3Emulator::instance();
    std::unique_ptr<MessageCapture> capture;
    std::unique_ptr<Hid_Thread> link;
};
