#include "monitor/state.h"

#include "text/numeric_mode.h"

namespace fx {

std::string programDirectoryOf(std::string_view executablePath) {
    // Windows gives backslashes; a forward slash is taken as well, so the same code
    // finds the folder of a program started with a POSIX path.
    const auto lastSeparator = executablePath.find_last_of("\\/");
    if (lastSeparator == std::string_view::npos) return std::string(executablePath);
    return std::string(executablePath.substr(0, lastSeparator + 1));
}

ProgramState initialProgramState(const Variant& variant, std::string_view executablePath) {
    fixNumericMode();
    ProgramState state;
    if (variant.hasGroupedAlertLatch) state.groupedAlertLatch = 0;
    state.programDirectory = programDirectoryOf(executablePath);
    for (int k = 0; k < pairCount; ++k) state.PairTable[k] = std::string(variant.pairTable[k]);
    for (int g = 0; g < pairCount; ++g) state.PairGroups[g] = state.PairTable[pairGroupOrder[g]];
    return state;
}

}  // namespace fx
