#include "cli/ProbeProgress.h"

#include <cstdio>

namespace velmont::cli {

ProbeProgress::~ProbeProgress() {
    if (drawn_)
        std::fputs("\r\033[K", stderr);
}

void ProbeProgress::Count(std::size_t done, std::size_t total) {
    const auto now = std::chrono::steady_clock::now();
    if (!shown_ || (now - lastDrawn_ < std::chrono::milliseconds(100) && done < total))
        return;
    std::fprintf(stderr, "\rProbing %zu of %zu files", done, total);
    std::fflush(stderr);
    lastDrawn_ = now;
    drawn_ = true;
}

} // namespace velmont::cli
