#pragma once

#include <QtGlobal>

// What the measurements read about the running process, from the kernel.
namespace ProcessStats {

// CLOCK_MONOTONIC, the clock QElapsedTimer uses on Linux.
qint64 monotonicNs();
// CPU time of the whole process (all threads), user and system.
qint64 cpuTimeNs();
// CPU time of the calling thread.
qint64 threadCpuTimeNs();
// How long the calling thread has waited for a CPU while ready to run (/proc schedstat).
qint64 threadRunQueueWaitNs();
// VmRSS and VmHWM of /proc/self/status; -1 when unreadable.
qint64 residentKb();
qint64 peakResidentKb();

} // namespace ProcessStats
