#include "EvdevInput.h"

#include "EvdevKeyMap.h"
#include "InputHook.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <libevdev/libevdev.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// udev adjusts a new node's permissions shortly after it appears.
constexpr int kPermissionSettleMs = 1000;

bool hasTranslatableKey(libevdev *dev)
{
    for (unsigned code = 0; code < KEY_MAX; ++code)
        if (scanKeyFromEvdev(code) && libevdev_has_event_code(dev, EV_KEY, code))
            return true;
    return false;
}

bool hasMouseButton(libevdev *dev)
{
    return libevdev_has_event_code(dev, EV_KEY, BTN_LEFT)
           || libevdev_has_event_code(dev, EV_KEY, BTN_RIGHT)
           || libevdev_has_event_code(dev, EV_KEY, BTN_MIDDLE);
}

std::pair<std::int32_t, std::int32_t> cursorPosition()
{
    const QPoint pos = QCursor::pos();
    return {pos.x(), pos.y()};
}

} // namespace

struct EvdevInput::Device
{
    QString path;
    int fd = -1;
    libevdev *dev = nullptr;
    bool keyboard = false;
    QSocketNotifier *notifier = nullptr; // child of the backend
};

EvdevInput::EvdevInput(QString folder)
    : m_folder(std::move(folder))
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        rescan();
        QTimer::singleShot(kPermissionSettleMs, this, &EvdevInput::rescan);
    });
}

EvdevInput::~EvdevInput()
{
    remove();
}

bool EvdevInput::install(InputHook &hook)
{
    m_hook = &hook;
    if (QFileInfo(m_folder).isDir())
        m_watcher.addPath(m_folder);
    rescan();
    return capturesKeyboard();
}

void EvdevInput::remove()
{
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    while (!m_devices.empty())
        close(m_devices.back().get());
    m_hook = nullptr;
}

bool EvdevInput::capturesKeyboard() const
{
    return std::any_of(m_devices.begin(), m_devices.end(),
                       [](const auto &d) { return d->keyboard; });
}

void EvdevInput::rescan()
{
    if (!m_hook)
        return;
    const QStringList nodes = QDir(m_folder).entryList({QStringLiteral("event*")},
                                                       QDir::System | QDir::Files);
    for (const QString &node : nodes) {
        const QString path = m_folder + QLatin1Char('/') + node;
        const bool known = std::any_of(m_devices.begin(), m_devices.end(),
                                       [&](const auto &d) { return d->path == path; });
        if (!known)
            open(path);
    }
}

void EvdevInput::open(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    libevdev *dev = nullptr;
    if (libevdev_new_from_fd(fd, &dev) < 0) {
        ::close(fd);
        return;
    }
    const bool keyboard = hasTranslatableKey(dev);
    if (!keyboard && !hasMouseButton(dev)) {
        libevdev_free(dev);
        ::close(fd);
        return;
    }
    auto device = std::make_unique<Device>();
    device->path = path;
    device->fd = fd;
    device->dev = dev;
    device->keyboard = keyboard;
    device->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    Device *raw = device.get();
    connect(device->notifier, &QSocketNotifier::activated, this, [this, raw] { readEvents(raw); });
    m_devices.push_back(std::move(device));
}

void EvdevInput::readEvents(Device *device)
{
    input_event ev{};
    int rc = 0;
    do {
        // After a dropped-events report libevdev replays the missed state
        // changes in sync mode; they are fed like ordinary events.
        const unsigned flags = rc == LIBEVDEV_READ_STATUS_SYNC ? LIBEVDEV_READ_FLAG_SYNC
                                                               : LIBEVDEV_READ_FLAG_NORMAL;
        rc = libevdev_next_event(device->dev, flags, &ev);
        if ((rc == LIBEVDEV_READ_STATUS_SUCCESS || rc == LIBEVDEV_READ_STATUS_SYNC)
            && ev.type == EV_KEY && m_hook)
            feedEvdevKey(*m_hook, ev.code, ev.value, cursorPosition);
    } while (rc == LIBEVDEV_READ_STATUS_SUCCESS || rc == LIBEVDEV_READ_STATUS_SYNC);
    if (rc != -EAGAIN)
        close(device); // unplugged (-ENODEV) or unreadable
}

void EvdevInput::close(Device *device)
{
    const auto it = std::find_if(m_devices.begin(), m_devices.end(),
                                 [&](const auto &d) { return d.get() == device; });
    if (it == m_devices.end())
        return;
    std::unique_ptr<Device> owned = std::move(*it);
    m_devices.erase(it);
    owned->notifier->setEnabled(false);
    // The notifier may be the sender of the signal being handled.
    owned->notifier->deleteLater();
    libevdev_free(owned->dev);
    ::close(owned->fd);
}

void feedWindowKey(InputHook &hook, std::uint32_t nativeScanCode, bool isDown)
{
    // X11 and Wayland key codes are evdev codes shifted up by 8.
    constexpr std::uint32_t kKeycodeOffset = 8;
    if (nativeScanCode > kKeycodeOffset)
        feedEvdevKey(hook, nativeScanCode - kKeycodeOffset, isDown ? 1 : 0, cursorPosition);
}

std::unique_ptr<InputBackend> makePlatformInputBackend()
{
    return std::make_unique<EvdevInput>();
}
