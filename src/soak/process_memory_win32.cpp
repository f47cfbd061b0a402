#include <windows.h>
// After windows.h, whose types it uses. Version 2: the call is KERNEL32's own
// K32GetProcessMemoryInfo, with no PSAPI.DLL to link.
#define PSAPI_VERSION 2
#include <psapi.h>

#include "soak/process_memory.h"

namespace fx::soak {

// The working set is what Windows keeps resident, the counterpart of VmRSS.
ProcessMemory processMemory() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return {};
    return {static_cast<long long>(counters.WorkingSetSize / 1024),
            static_cast<long long>(counters.PeakWorkingSetSize / 1024)};
}

}  // namespace fx::soak
