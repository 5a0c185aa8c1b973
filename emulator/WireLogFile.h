#pragma once

// The demo program's wire log for whoever runs it as a process of its own (the tests): when
// K3EMU_WIRE_LOG names a file, what the host sent to the emulated keyboard is written there
// as the object goes, one report a line: "F" and the bytes of a feature report, or "D" and
// those of a data report, in upper-case hexadecimal ("F 00 21 02 00 00 00 55 AA 00").
class WireLogFile
{
public:
    WireLogFile() = default;
    ~WireLogFile();
    WireLogFile(const WireLogFile &) = delete;
    WireLogFile &operator=(const WireLogFile &) = delete;
};
