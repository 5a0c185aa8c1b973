#pragma once

#include "EmulatedKeyboard.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <random>

struct hid_device_;
typedef struct hid_device_ hid_device;
struct hid_device_info;

// An emulated K3 keyboard behind the hidapi C functions (see HidApiEmulation.cpp):
// its HID interfaces, the reports on the wire, and faults to inject.
// Thread-safe: the link calls it from pool threads.
class K3Emulator
{
public:
    enum class Kind { FeatureOut, FeatureIn, DataOut, DataIn, Event };
    struct Record
    {
        qint64 nsecs; // monotonic, since the emulator was created
        Kind kind;
        QByteArray bytes; // as passed to or returned by hidapi (feature reports with their report ID)
        bool toDevice() const { return kind == Kind::FeatureOut || kind == Kind::DataOut; }
    };

    enum class Role { Other, Command, Event };
    struct Node
    {
        QByteArray path;
        quint16 vid;
        quint16 pid;
        quint16 usagePage;
        quint16 usage;
        Role role;
    };

    enum class Fault {
        OpenFails,
        FeatureOutFails,
        FeatureInFails,
        DataOutFails,
        DataInFails,
        MissingDataReplies, // reading commands get their reply block but no data reports
        GarbageReplies      // reply blocks and data reports carry random bytes
    };
    static constexpr int Always = -1;

    static K3Emulator &instance();
    static QList<Node> defaultNodes();

    // Factory state, default interfaces, plugged in, no faults, no latency, empty log.
    void reset();

    K3State state() const;
    void update(const std::function<void(K3State &)> &change);

    void setNodes(const QList<Node> &nodes);
    void unplug();
    void replug();

    // times: how many of the next occasions fail; Always for all of them, 0 to clear.
    void setFault(Fault fault, int times = Always);
    // Every report on the command interface takes at least this long.
    void setLatency(int ms);
    // While stalled, reports on the command interface wait (a transfer that holds the link).
    void setStalled(bool on);
    // The next reply reports (feature reports in, report ID first, and data reports) carry
    // these bytes instead of the keyboard's, cut to the length asked for; an empty one
    // returns nothing. The keyboard still decides how many data reports follow a command.
    void scriptReplies(const QList<QByteArray> &replies);

    // The profile key: switches the profile and sends the 12-byte event report.
    void pressProfileKey(uchar profile);
    void queueEventReport(const QByteArray &report);

    QList<Record> wireLog() const;
    void clearWireLog();
    bool waitForWireLog(int count, int timeoutMs) const;
    int openHandles() const;

    // The hidapi functions, forwarded by HidApiEmulation.cpp.
    hid_device_info *enumerate(quint16 vid, quint16 pid) const;
    static void freeEnumeration(hid_device_info *nodes);
    hid_device *open(const char *path);
    void close(hid_device *handle);
    int setNonblocking(hid_device *handle, bool nonblocking);
    int sendFeature(hid_device *handle, const uchar *data, size_t length);
    int getFeature(hid_device *handle, uchar *data, size_t length);
    int write(hid_device *handle, const uchar *data, size_t length);
    int read(hid_device *handle, uchar *data, size_t length, int timeoutMs);

private:
    K3Emulator();

    bool valid(const hid_device *handle, Role role) const;
    bool trip(Fault fault);
    void log(Kind kind, const uchar *data, size_t length);
    void pace() const;
    QByteArray garbage(int size);

    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    QElapsedTimer clock;
    EmulatedKeyboard keyboard;
    QList<Node> nodes;
    bool plugged = true;
    bool stalled = false;
    // Bumped on unplug and reset: handles from before stop working.
    quint64 generation = 0;
    int handles = 0;
    std::map<Fault, int> faults;
    std::atomic<int> latencyMs{0};
    std::deque<QByteArray> dataReplies;
    std::deque<QByteArray> events;
    std::deque<QByteArray> scripted;
    QList<Record> records;
    std::minstd_rand random;
};
