#pragma once
// The process's own memory, as the kernel counts it.

namespace fxsoak {

struct ProcessMemory {
    long long residentKb = 0;      // VmRSS: resident now
    long long peakResidentKb = 0;  // VmHWM: the highest resident so far
};

// From /proc/self/status; where that is missing, the peak from getrusage and no
// current figure (0).
ProcessMemory processMemory();

}  // namespace fxsoak
