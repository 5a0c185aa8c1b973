#include "DemoPlugSignals.h"

#include "K3Emulator.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The one thing the handler may touch: where to write.
std::atomic<int> signalPipe{-1};

void onSignal(int number)
{
    const int savedErrno = errno;
    const char byte = number == SIGUSR1 ? '-' : '+';
    const int fd = signalPipe.load();
    if (fd >= 0 && ::write(fd, &byte, 1) < 0) {
        // A full pipe already holds enough to act on.
    }
    errno = savedErrno;
}

void handle(int number, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(number, &action, nullptr);
}

} // namespace

DemoPlugSignals::DemoPlugSignals(QObject *parent)
    : DeviceEventSource(parent)
{
    if (signalPipe.load() >= 0 || ::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) < 0)
        return;
    signalPipe.store(m_pipe[1]);
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DemoPlugSignals::receive);
    handle(SIGUSR1, onSignal);
    handle(SIGUSR2, onSignal);
}

DemoPlugSignals::~DemoPlugSignals()
{
    if (!m_notifier)
        return;
    handle(SIGUSR1, SIG_DFL);
    handle(SIGUSR2, SIG_DFL);
    signalPipe.store(-1);
    delete m_notifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

// In the order sent; the keyboard then tells of the change as udev would.
void DemoPlugSignals::receive()
{
    char bytes[64];
    bool changed = false;
    for (ssize_t n; (n = ::read(m_pipe[0], bytes, sizeof bytes)) > 0;) {
        for (ssize_t i = 0; i < n; ++i) {
            if (bytes[i] == '-')
                K3Emulator::instance().unplug();
            else
                K3Emulator::instance().replug();
            changed = true;
        }
    }
    if (changed)
        emit devicesChanged();
}
