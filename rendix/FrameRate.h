#pragma once

namespace rendix {

struct Rate {
    int num = 0;
    int den = 1;
    double value() const { return den ? static_cast<double>(num) / den : 0; }
};

// A frame rate as a fraction. The NTSC-style rates (written 29.97, 23.976,
// 23.98, 14.985, 59.94 ...) become their exact n*1000/1001 fractions;
// denominators stay below 65536 as MPEG-4 requires.
Rate RateFromDouble(double fps);

} // namespace rendix
