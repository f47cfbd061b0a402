#include "text/numeric_mode.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#ifdef _WIN32
#include <float.h>
#endif

namespace {

// Was: only the rounding was fixed, so a program started with traps enabled kept them,
// and a division by zero stopped it.
TEST(NumericModeTest, ExceptionsAreMaskedAndHalvesRoundToEven) {
#ifdef _WIN32
    _controlfp(0, _EM_ZERODIVIDE | _EM_INVALID);  // unmasks: traps enabled
#elif defined(__GLIBC__)
    feenableexcept(FE_DIVBYZERO | FE_INVALID);
#endif
    std::fesetround(FE_UPWARD);
    fx::fixNumericMode();
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isinf(1.0 / zero));
    EXPECT_TRUE(std::isnan(zero / zero));
    EXPECT_EQ(std::nearbyint(2.5), 2.0);
    EXPECT_EQ(std::nearbyint(3.5), 4.0);
}

}  // namespace
