#include "K3Emulator.h"

#include <hidapi/hidapi.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <thread>
#include <utility>

struct hid_device_
{
    quint64 generation;
    K3Emulator::Role role;
    bool nonblocking;
};

namespace {

constexpr quint16 Vid = 0x04d9;
constexpr quint16 Pid = 0xa1cd;
constexpr size_t ReportIdSize = 1;
constexpr size_t FeatureReportSize = ReportIdSize + 8;

wchar_t *copyText(const wchar_t *text)
{
    const size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
    return static_cast<wchar_t *>(std::memcpy(std::malloc(size), text, size));
}

} // namespace

K3Emulator &K3Emulator::instance()
{
    // Never destroyed: pool threads may still be inside a read when the process exits.
    static K3Emulator *emulator = new K3Emulator;
    return *emulator;
}

K3Emulator::K3Emulator()
    : nodes(defaultNodes())
{
    clock.start();
}

// A keyboard's boot interface and media keys sit beside the two vendor interfaces.
QList<K3Emulator::Node> K3Emulator::defaultNodes()
{
    return {
            {"k3emu/if0", Vid, Pid, 0x0001, 0x0006, Role::Other},
            {"k3emu/if1", Vid, Pid, 0xff01, 0x0001, Role::Command},
            {"k3emu/if2", Vid, Pid, 0xff02, 0x0001, Role::Event},
            {"k3emu/if3", Vid, Pid, 0x000c, 0x0001, Role::Other},
    };
}

void K3Emulator::reset()
{
    latencyMs.store(0);
    std::lock_guard<std::mutex> lock(mutex);
    keyboard = EmulatedKeyboard();
    nodes = defaultNodes();
    plugged = true;
    stalled = false;
    ++generation;
    faults.clear();
    dataReplies.clear();
    events.clear();
    scripted.clear();
    records.clear();
    changed.notify_all();
}

K3State K3Emulator::state() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return keyboard.state;
}

void K3Emulator::update(const std::function<void(K3State &)> &change)
{
    std::lock_guard<std::mutex> lock(mutex);
    change(keyboard.state);
    keyboard.state.currentProfile %= K3State::ProfileCount;
}

void K3Emulator::setNodes(const QList<Node> &list)
{
    std::lock_guard<std::mutex> lock(mutex);
    nodes = list;
}

void K3Emulator::unplug()
{
    std::lock_guard<std::mutex> lock(mutex);
    plugged = false;
    ++generation;
    dataReplies.clear();
    events.clear();
    changed.notify_all();
}

void K3Emulator::replug()
{
    std::lock_guard<std::mutex> lock(mutex);
    plugged = true;
}

void K3Emulator::setFault(Fault fault, int times)
{
    std::lock_guard<std::mutex> lock(mutex);
    faults[fault] = times;
}

void K3Emulator::setLatency(int ms)
{
    latencyMs.store(ms);
}

void K3Emulator::setStalled(bool on)
{
    std::lock_guard<std::mutex> lock(mutex);
    stalled = on;
    changed.notify_all();
}

void K3Emulator::scriptReplies(const QList<QByteArray> &replies)
{
    std::lock_guard<std::mutex> lock(mutex);
    scripted.assign(replies.cbegin(), replies.cend());
}

void K3Emulator::pressProfileKey(uchar profile)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!plugged || profile >= K3State::ProfileCount)
        return;
    K3State &s = keyboard.state;
    s.currentProfile = profile;
    const std::array<uchar, 6> &effect = s.profiles[profile].effect;
    QByteArray report(12, 0);
    report[1] = char(profile);
    report[4] = char(effect[0]);
    report[5] = char(effect[1]);
    report[6] = char(effect[2]);
    events.push_back(report);
    changed.notify_all();
}

void K3Emulator::queueEventReport(const QByteArray &report)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!plugged)
        return;
    events.push_back(report);
    changed.notify_all();
}

// A list of its own, not one sharing data with the log that other threads append to.
QList<K3Emulator::Record> K3Emulator::wireLog() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return QList<Record>(records.cbegin(), records.cend());
}

void K3Emulator::clearWireLog()
{
    std::lock_guard<std::mutex> lock(mutex);
    records.clear();
}

bool K3Emulator::waitForWireLog(int count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return records.size() >= count; });
}

int K3Emulator::openHandles() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return handles;
}

hid_device_info *K3Emulator::enumerate(quint16 vid, quint16 pid) const
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!plugged)
        return nullptr;
    hid_device_info *first = nullptr;
    hid_device_info **link = &first;
    for (int i = 0; i < nodes.size(); ++i) {
        const Node &node = nodes.at(i);
        if ((vid && vid != node.vid) || (pid && pid != node.pid))
            continue;
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        info->path = strdup(node.path.constData());
        info->vendor_id = node.vid;
        info->product_id = node.pid;
        info->serial_number = copyText(L"");
        info->release_number = 0x0100;
        info->manufacturer_string = copyText(L"");
        info->product_string = copyText(L"K3 keyboard (emulated)");
        info->usage_page = node.usagePage;
        info->usage = node.usage;
        info->interface_number = i;
        info->bus_type = HID_API_BUS_USB;
        *link = info;
        link = &info->next;
    }
    return first;
}

void K3Emulator::freeEnumeration(hid_device_info *info)
{
    while (info) {
        hid_device_info *next = info->next;
        std::free(info->path);
        std::free(info->serial_number);
        std::free(info->manufacturer_string);
        std::free(info->product_string);
        std::free(info);
        info = next;
    }
}

hid_device *K3Emulator::open(const char *path)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!plugged || !path || trip(Fault::OpenFails))
        return nullptr;
    for (const Node &node : std::as_const(nodes)) {
        if (node.path == path) {
            ++handles;
            return new hid_device{generation, node.role, false};
        }
    }
    return nullptr;
}

void K3Emulator::close(hid_device *handle)
{
    if (!handle)
        return;
    std::lock_guard<std::mutex> lock(mutex);
    --handles;
    delete handle;
}

int K3Emulator::setNonblocking(hid_device *handle, bool nonblocking)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!handle || handle->generation != generation)
        return -1;
    handle->nonblocking = nonblocking;
    return 0;
}

int K3Emulator::sendFeature(hid_device *handle, const uchar *data, size_t length)
{
    pace();
    std::lock_guard<std::mutex> lock(mutex);
    if (!valid(handle, Role::Command) || length < ReportIdSize || trip(Fault::FeatureOutFails))
        return -1;
    log(Kind::FeatureOut, data, length);
    EmulatedKeyboard::Block block{};
    std::copy_n(data + ReportIdSize, std::min(length - ReportIdSize, block.size()), block.begin());
    const QList<QByteArray> replies = keyboard.receiveBlock(block);
    dataReplies.clear();
    if (!replies.isEmpty() && !trip(Fault::MissingDataReplies))
        dataReplies.insert(dataReplies.end(), replies.begin(), replies.end());
    changed.notify_all();
    return int(length);
}

int K3Emulator::getFeature(hid_device *handle, uchar *data, size_t length)
{
    pace();
    std::lock_guard<std::mutex> lock(mutex);
    if (!valid(handle, Role::Command) || length < ReportIdSize || trip(Fault::FeatureInFails))
        return -1;
    if (!scripted.empty()) {
        const QByteArray reply = scripted.front();
        scripted.pop_front();
        const size_t size = std::min(length, size_t(reply.size()));
        std::copy_n(reply.constData(), size, data);
        log(Kind::FeatureIn, data, size);
        return int(size);
    }
    const size_t size = std::min(length, FeatureReportSize);
    const QByteArray reply =
            trip(Fault::GarbageReplies)
                    ? garbage(8)
                    : QByteArray(reinterpret_cast<const char *>(keyboard.reply().data()), 8);
    data[0] = 0;
    std::copy_n(reply.constData(), size - ReportIdSize, data + ReportIdSize);
    log(Kind::FeatureIn, data, size);
    return int(size);
}

int K3Emulator::write(hid_device *handle, const uchar *data, size_t length)
{
    pace();
    std::lock_guard<std::mutex> lock(mutex);
    if (!valid(handle, Role::Command) || length < ReportIdSize || trip(Fault::DataOutFails))
        return -1;
    log(Kind::DataOut, data, length);
    keyboard.receiveData(
            data + ReportIdSize,
            int(std::min(length - ReportIdSize, size_t(EmulatedKeyboard::DataReportSize))));
    return int(length);
}

int K3Emulator::read(hid_device *handle, uchar *data, size_t length, int timeoutMs)
{
    if (handle && handle->role == Role::Command)
        pace();
    std::unique_lock<std::mutex> lock(mutex);
    if (!handle || handle->generation != generation)
        return -1;
    std::deque<QByteArray> &queue = handle->role == Role::Command ? dataReplies : events;
    const bool other = handle->role == Role::Other;
    const quint64 opened = handle->generation;
    const auto ready = [&] { return generation != opened || (!other && !queue.empty()); };
    if (timeoutMs == 0 || (timeoutMs < 0 && handle->nonblocking)) {
        if (!ready())
            return 0;
    } else if (timeoutMs < 0) {
        changed.wait(lock, ready);
    } else if (!changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
        return 0;
    }
    if (generation != opened)
        return -1;
    if (handle->role == Role::Command && trip(Fault::DataInFails))
        return -1;
    QByteArray report = queue.front();
    queue.pop_front();
    if (handle->role == Role::Command && !scripted.empty()) {
        report = scripted.front();
        scripted.pop_front();
    } else if (handle->role == Role::Command && trip(Fault::GarbageReplies)) {
        report = garbage(int(report.size()));
    }
    const size_t size = std::min(length, size_t(report.size()));
    std::copy_n(report.constData(), size, data);
    log(handle->role == Role::Command ? Kind::DataIn : Kind::Event, data, size);
    return int(size);
}

bool K3Emulator::valid(const hid_device *handle, Role role) const
{
    return handle && handle->generation == generation && handle->role == role;
}

bool K3Emulator::trip(Fault fault)
{
    const auto it = faults.find(fault);
    if (it == faults.end() || it->second == 0)
        return false;
    if (it->second > 0)
        --it->second;
    return true;
}

void K3Emulator::log(Kind kind, const uchar *data, size_t length)
{
    records.append({clock.nsecsElapsed(), kind,
                    QByteArray(reinterpret_cast<const char *>(data), qsizetype(length))});
    changed.notify_all();
}

void K3Emulator::pace() const
{
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return !stalled; });
    }
    if (const int ms = latencyMs.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

QByteArray K3Emulator::garbage(int size)
{
    QByteArray bytes(size, 0);
    for (char &b : bytes)
        b = char(random());
    return bytes;
}
