#pragma once

#include "InputBackend.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

struct libevdev;
class QSocketNotifier;

// System-wide input on Linux: every keyboard and mouse under the input
// folder, opened read-only and never grabbed, so other programs see every
// event unchanged. Devices plugged in later are picked up through a watch
// on the folder; each device is read when its descriptor becomes readable.
class EvdevInput final : public QObject, public InputBackend
{
    Q_OBJECT
public:
    explicit EvdevInput(QString folder = QStringLiteral("/dev/input"));
    ~EvdevInput() override;

    bool install(InputHook &hook) override;
    void remove() override;
    bool capturesKeyboard() const override;

    int openDeviceCount() const { return int(m_devices.size()); }

private:
    struct Device;

    void rescan();
    void open(const QString &path);
    void readEvents(Device *device);
    void close(Device *device);

    const QString m_folder;
    InputHook *m_hook = nullptr;
    QFileSystemWatcher m_watcher;
    std::vector<std::unique_ptr<Device>> m_devices;
};
