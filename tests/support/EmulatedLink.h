#pragma once

#include <memory>

class DeviceEventSink;
class Hid_Thread;

enum class Scan { Keyboards, Nothing };

// Lets the link look for the catalogue's keyboards (K3 and M3) among the emulated keyboard's nodes.
void scanKeyboards(Hid_Thread &link);

// A new device link on the freshly reset emulated keyboard, reporting events to `sink`; it has
// looked for the keyboards unless told otherwise.
std::unique_ptr<Hid_Thread> openEmulatedLink(DeviceEventSink *sink = nullptr,
                                             Scan scan = Scan::Keyboards);

// Ends the link, with a stalled keyboard freed first so no transfer waits on it, then resets the
// keyboard.
void closeEmulatedLink(std::unique_ptr<Hid_Thread> &link);
