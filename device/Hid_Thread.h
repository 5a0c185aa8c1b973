#pragma once

#include "DeviceEventSink.h"
#include "HidDevice.h"

#include <QList>
#include <QMutex>
#include <QThread>

#include <array>
#include <atomic>
#include <optional>
#include <thread>

struct hid_device_;
typedef struct hid_device_ hid_device;

// The link to the keyboard: discovery of its two interfaces, the event
// monitor, the framing of command/reply/data reports and the command set.
// QThread only for the object model; the thread itself is never started.
class Hid_Thread : public QThread
{
    Q_OBJECT
public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    void setEventSink(DeviceEventSink *sink);

    void scanDevices(const QList<DevInfo> &catalogue);
    void startMonitor(uint index);
    void stopMonitor();
    // A copy: the monitor and the transfers may empty paths at any time.
    QList<HidDevice> devices() const;
    uint currentDevice() const;
    // Both interfaces of the current device are known (found and not lost since).
    bool isConnected() const;
    bool isMonitorRunning() const;
    // No command holds the link: nothing waits for the token inside a nested event loop.
    bool isLinkFree() const;

    // The process-wide scrambling flag, set from the catalogue during discovery.
    static void setEncode(bool on);
    static bool isEncode();

    // How long a reading command waits for each data report before it fails.
    static constexpr int DataReadTimeoutMs = 1000;

public slots:
    void swichCurDevice(uint did);
    uchar hidCS(uchar *cmd);
    void USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]);
    void USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]);

    void hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3);
    void hid_04H_SetButtonSensitivity(uchar sens1);
    void hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                            uchar type_Side);
    void hid_09H_StopMacroSending();
    void hid_0CH_SetKeyMatrix_1(const uchar *src128);
    void hid_0DH_SetKeyMatrix_2(const uchar *src128);
    void hid_0FH_SetISPBootLoader();
    void hid_10H_SetMacroKey(uchar macroId, const uchar *src128);
    void hid_12H_SetUserPicture(uchar index, uchar colorIndex, const uchar *src128);
    void hid_13H_SetRecoveryData();
    void hid_21H_SetCurrentProfile(uchar profileId);
    void hid_30H_SetSevenColor(const uchar *src64);
    // Reading commands: true when the keyboard answered. Otherwise the outputs hold their
    // presets (see each command), which are not the keyboard's values.
    bool hid_80H_GetFWVersion(quint16 &version, uchar &mode_UsUk);
    bool hid_82H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3);
    bool hid_84H_GetButtonSensitivity(uchar &sens1);
    bool hid_88H_GetLEDType(uchar &type, uchar &brightness, uchar &speed, uchar &direction,
                            uchar &color, uchar &type_Side);
    bool hid_8CH_GetKeyMatrix_1(uchar *src128);
    bool hid_8DH_GetKeyMatrix_2(uchar *src128);
    bool hid_90H_GetMacroKey(uchar macroId, uchar *src128);
    bool hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar *src128);
    bool hid_A1H_GetCurrentProfile(uchar &profileId);
    bool hid_B0H_GetSevenColor(uchar *src64);

signals:
    // From the monitor's thread: the event interface can no longer be opened.
    void keyboardRemoved();
    // From any thread: a writing command was dropped or its transfer failed.
    void commandFailed();

private:
    using Block = std::array<uchar, 8>;
    enum class Interface { Command, Event };
    enum class Exchange { NoToken, Failed, Done };

    std::optional<HidDevice> deviceAt(uint index) const;
    void forgetPath(uint index, Interface which);
    hid_device *openPath(uint index, Interface which, hid_device *&handle);
    hid_device *openCmdPath(uint index);
    hid_device *openEventPath(uint index);
    void closeCmd();
    void eventMonitor(uint index);

    bool waitLinkFree();
    void releaseLink();
    bool sendReport(int n);
    bool transmit(uint index, int n);
    bool queryReport(int n);
    bool receive(uint index, int n);
    bool sendBlock(uint index);

    void write(const Block &block, const uchar *data, int n);
    Exchange read(const Block &block, const Block &preset);
    bool readData(const Block &block, uchar *data, int n);

    std::atomic<DeviceEventSink *> sink{nullptr};
    mutable QMutex devicesLock;
    QList<HidDevice> deviceList;
    std::atomic<uint> did{0};
    hid_device *cmdHandle = nullptr;
    hid_device *eventHandle = nullptr;
    std::atomic<bool> linkFree{true};
    std::atomic<bool> monitorRunning{false};
    // The monitor holds its thread for as long as it runs, so it gets one of its own:
    // the writing transfers always find a thread in the global pool.
    std::thread monitorThread;
    // Data size of the transfer handed to the pool; storing it publishes the buffers.
    std::atomic<int> transferBytes{0};
    uchar outReport[9] = {};
    uchar inReport[9] = {};
    uchar dataBuf[512] = {};
};
