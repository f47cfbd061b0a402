#include <float.h>

#include <cfenv>

#include "text/numeric_mode.h"

namespace fx {

void fixNumericMode() {
    std::fesetround(FE_TONEAREST);
    // Every exception masked, in the x87 and the SSE control words alike.
    _controlfp(_MCW_EM, _MCW_EM);
}

}  // namespace fx
