#include <sys/resource.h>

#include <fstream>
#include <sstream>
#include <string>

#include "soak/process_memory.h"

namespace fx::soak {

ProcessMemory processMemory() {
    ProcessMemory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string name;
        long long kb = 0;
        fields >> name >> kb;
        if (name == "VmRSS:") memory.residentKb = kb;
        if (name == "VmHWM:") memory.peakResidentKb = kb;
    }
    if (memory.peakResidentKb == 0) {
        rusage usage{};
        if (getrusage(RUSAGE_SELF, &usage) == 0) memory.peakResidentKb = usage.ru_maxrss;
    }
    return memory;
}

}  // namespace fx::soak
