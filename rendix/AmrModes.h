#pragma once

#include <cstdint>

namespace rendix {

// The AMR mode whose bit rate is the highest at or below the requested one;
// the lowest mode when the request is below all of them (0 = the default,
// highest mode).
int AmrNarrowBandMode(std::int64_t bitsPerSecond);
int AmrWideBandMode(std::int64_t bitsPerSecond);

// Bit rate of a mode, bit/s.
int AmrNarrowBandRate(int mode);
int AmrWideBandRate(int mode);

} // namespace rendix
