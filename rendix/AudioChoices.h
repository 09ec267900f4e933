#pragma once

#include <string>
#include <vector>

namespace rendix {

// The allowed value nearest to the wanted one (the wanted one when the list
// is empty); on a tie the higher value.
int NearestValue(int wanted, const std::vector<int>& allowed);

// Sample rates a container accepts for a codec; empty = no restriction.
// Flash containers only know 44100, 22050 and 11025 Hz for MP3.
std::vector<int> ContainerSampleRates(const std::string& muxer, const std::string& codec);

} // namespace rendix
