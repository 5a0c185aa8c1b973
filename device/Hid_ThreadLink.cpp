#include "Hid_Thread.h"

#include "BlockScrambler.h"

#include <hidapi/hidapi.h>

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

std::atomic<bool> encodeFlag{false};

// The code the link scrambles with: all zeros, which leaves the XOR step without effect.
const uchar ZeroCode[BlockScrambler::BlockSize] = {};

constexpr int TokenPolls = 255;
constexpr int PollIntervalMs = 8;
constexpr int DataReportGapMs = 8;

} // namespace

void Hid_Thread::setEncode(bool on)
{
    encodeFlag.store(on);
}

bool Hid_Thread::isEncode()
{
    return encodeFlag.load();
}

uchar Hid_Thread::hidCS(uchar *cmd)
{
    return BlockScrambler::checksum(cmd);
}

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[])
{
    BlockScrambler::scramble(FIFOBuf, SecrecyCode);
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[])
{
    BlockScrambler::unscramble(FIFOBuf, SecrecyCode);
}

// Runs on the GUI thread; other slots may run (and take the token) inside the wait.
bool Hid_Thread::waitLinkFree()
{
    for (int i = 0; i < TokenPolls; ++i) {
        bool expected = true;
        if (linkFree.compare_exchange_strong(expected, false, std::memory_order_acquire))
            return true;
        QThread::msleep(PollIntervalMs);
        QCoreApplication::processEvents();
    }
    return false;
}

bool Hid_Thread::isLinkFree() const
{
    return linkFree.load(std::memory_order_acquire);
}

void Hid_Thread::releaseLink()
{
    linkFree.store(true, std::memory_order_release);
}

bool Hid_Thread::sendReport(int n)
{
    const bool ok = transmit(did.load(), n);
    closeCmd();
    // Before the link is free: the destructor waits for that, not for the signal.
    if (!ok)
        emit commandFailed();
    releaseLink();
    return ok;
}

bool Hid_Thread::queryReport(int n)
{
    const bool ok = receive(did.load(), n);
    closeCmd();
    releaseLink();
    return ok;
}

bool Hid_Thread::sendBlock(uint index)
{
    if (!openCmdPath(index))
        return false;
    if (isEncode())
        BlockScrambler::scramble(outReport + 1, ZeroCode);
    hid_device *handle = openCmdPath(index);
    return handle && hid_send_feature_report(handle, outReport, sizeof outReport) >= 0;
}

bool Hid_Thread::transmit(uint index, int n)
{
    const std::optional<HidDevice> device = deviceAt(index);
    const int pieceMax = device ? device->reportLength : 0;
    // A device without data reports cannot take the data: send nothing rather than half a command.
    if (n > 0 && pieceMax <= 0)
        return false;
    if (!sendBlock(index))
        return false;
    std::vector<uchar> report(size_t(std::max(pieceMax, 0)) + 1);
    for (int offset = 0; offset < n; offset += pieceMax) {
        const int length = std::min(pieceMax, n - offset);
        std::fill(report.begin(), report.end(), uchar(0));
        std::copy_n(dataBuf + offset, length, report.begin() + 1);
        hid_device *handle = openCmdPath(index);
        if (!handle || hid_write(handle, report.data(), report.size()) < 0)
            return false;
        QThread::msleep(DataReportGapMs);
    }
    return true;
}

bool Hid_Thread::receive(uint index, int n)
{
    const std::optional<HidDevice> device = deviceAt(index);
    const int pieceMax = device ? device->reportLength : 0;
    if (n > 0 && pieceMax <= 0)
        return false;
    inReport[0] = 0;
    if (!sendBlock(index))
        return false;
    hid_device *handle = openCmdPath(index);
    if (!handle || hid_get_feature_report(handle, inReport, sizeof inReport) < 0)
        return false;
    if (n <= 0) {
        if (isEncode())
            BlockScrambler::unscramble(inReport + 1, ZeroCode);
        return true;
    }
    // Bounded reads: a keyboard that never sends its data fails the command instead of
    // holding the GUI thread and the token for good. Data reports are never scrambled.
    std::vector<uchar> report(size_t(pieceMax) + 1);
    for (int offset = 0; offset < n; offset += pieceMax) {
        std::fill(report.begin(), report.end(), uchar(0));
        handle = openCmdPath(index);
        if (!handle
            || hid_read_timeout(handle, report.data(), report.size(), DataReadTimeoutMs) <= 0)
            return false;
        std::copy_n(report.begin(), std::min(pieceMax, n - offset), dataBuf + offset);
    }
    return true;
}
