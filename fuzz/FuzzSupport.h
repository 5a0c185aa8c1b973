#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target offers: libFuzzer calls these, and so does the replay
// program that feeds the committed corpus to the normal build.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace FuzzSupport {

// A QCoreApplication for the whole run, and no debug chatter on the console.
void initialize(int *argc, char ***argv);

// A folder of this process's own for files the target writes.
QString scratchFolder();

// Writes bytes to a file, replacing it.
void writeFile(const QString &path, const QByteArray &bytes);

// A property that must hold; otherwise the input is reported as a finding.
[[noreturn]] void fail(const char *what, const QByteArray &detail = QByteArray());

} // namespace FuzzSupport

#define FUZZ_CHECK(condition, detail)              \
    do {                                           \
        if (!(condition))                          \
            FuzzSupport::fail(#condition, detail); \
    } while (false)
