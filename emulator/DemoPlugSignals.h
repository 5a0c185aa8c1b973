#pragma once

#include "DeviceEventSource.h"

class QSocketNotifier;

// Unplugs the demo's emulated keyboard on SIGUSR1 and plugs it back on SIGUSR2, so the keyboard
// can come and go from outside the process (kill -USR1 <pid>), as a real one would. The handler
// only writes a byte to a pipe; the event loop does the rest. One instance at a time.
class DemoPlugSignals : public DeviceEventSource
{
public:
    explicit DemoPlugSignals(QObject *parent = nullptr);
    ~DemoPlugSignals() override;

private:
    void receive();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
