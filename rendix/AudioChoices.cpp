#include "rendix/AudioChoices.h"

#include <cstdlib>

namespace rendix {

int NearestValue(int wanted, const std::vector<int>& allowed) {
    if (allowed.empty())
        return wanted;
    int best = allowed.front();
    for (int v : allowed) {
        int d = std::abs(v - wanted), bd = std::abs(best - wanted);
        if (d < bd || (d == bd && v > best))
            best = v;
    }
    return best;
}

std::vector<int> ContainerSampleRates(const std::string& muxer, const std::string& codec) {
    if ((muxer == "flv" || muxer == "swf") && (codec == "libmp3lame" || codec == "mp3"))
        return {44100, 22050, 11025};
    return {};
}

} // namespace rendix
