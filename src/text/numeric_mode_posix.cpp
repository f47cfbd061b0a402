#include <cfenv>

#include "text/numeric_mode.h"

namespace fx {

void fixNumericMode() {
    std::fesetround(FE_TONEAREST);
#if defined(__GLIBC__)
    // glibc can unmask exceptions (feenableexcept); elsewhere they are masked from the start.
    fedisableexcept(FE_ALL_EXCEPT);
#endif
}

}  // namespace fx
