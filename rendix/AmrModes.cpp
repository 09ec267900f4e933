#include "rendix/AmrModes.h"

#include <array>

namespace rendix {

namespace {

constexpr std::array<int, 8> kNarrow = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
constexpr std::array<int, 9> kWide = {6600, 8850, 12650, 14250, 15850, 18250, 19850, 23050, 23850};

template <std::size_t N> int ModeFor(const std::array<int, N>& rates, std::int64_t bps) {
    if (bps <= 0)
        return static_cast<int>(N) - 1;
    int mode = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (rates[i] <= bps)
            mode = static_cast<int>(i);
    return mode;
}

} // namespace

int AmrNarrowBandMode(std::int64_t bps) {
    return ModeFor(kNarrow, bps);
}
int AmrWideBandMode(std::int64_t bps) {
    return ModeFor(kWide, bps);
}
int AmrNarrowBandRate(int mode) {
    return kNarrow.at(static_cast<std::size_t>(mode));
}
int AmrWideBandRate(int mode) {
    return kWide.at(static_cast<std::size_t>(mode));
}

} // namespace rendix
