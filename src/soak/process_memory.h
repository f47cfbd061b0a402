#pragma once
// The process's own memory, as the kernel counts it.

namespace fx::soak {

struct ProcessMemory {
    long long residentKb = 0;      // resident now (VmRSS; the working set on Windows)
    long long peakResidentKb = 0;  // the highest resident so far (VmHWM; the peak working set)
};

// On Linux from /proc/self/status, where that is missing the peak from getrusage and
// no current figure (0); on Windows from the process's memory counters.
ProcessMemory processMemory();

}  // namespace fx::soak
