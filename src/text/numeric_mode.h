#pragma once
// The numeric mode of the whole run, with a POSIX and a Windows twin.

namespace fx {

// Rounding to nearest with ties to even, and every floating-point exception masked, so
// that no arithmetic fault can stop the program, whatever the mode it was started in.
void fixNumericMode();

}  // namespace fx
