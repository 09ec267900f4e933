#pragma once

#include "model/FormatId.h"

#include <array>
#include <string>
#include <vector>

namespace velmont {

// One way of producing a format: an audio codec and, for video formats, a
// video codec, with the texts the settings pages show for them. -1 = none.
struct CatalogueEntry {
    std::string extension; // with its leading dot, such as ".mp3"
    int audioCodecId = -1;
    int audioDisplayId = -1;
    int videoCodecId = -1;
    int videoDisplayId = -1;
};

inline constexpr int kAudioCodecCount = 20;
inline constexpr int kAudioDisplayCount = 23;
inline constexpr int kVideoCodecCount = 7;

inline constexpr int kAudioCodecAmrNb = 9;
inline constexpr int kAudioCodecAmrWb = 10;
inline constexpr int kVideoCodecH263 = 4;

// The encoder's codec names and the texts the user sees, indexed by id.
extern const std::array<const char*, kAudioCodecCount> kAudioCodecNames;
extern const std::array<const char*, kAudioDisplayCount> kAudioDisplayNames;
extern const std::array<const char*, kVideoCodecCount> kVideoCodecNames;
extern const std::array<const char*, kVideoCodecCount> kVideoDisplayNames;

// Range-checked reads of the name tables: an id outside its table (a
// hand-edited param.ini can hold any integer) gives the empty string.
std::string AudioCodecName(int id);
std::string AudioDisplayName(int id);
std::string VideoCodecName(int id);
std::string VideoDisplayName(int id);

// The format's entry list, or null for an id outside 0..20.
const std::vector<CatalogueEntry>* GetCatalogueEntries(FormatId id);

// The container name passed with -f; empty for wav and unknown ids.
std::string GetMuxerName(FormatId id);

// The output extension with its dot (".mp3"), empty for unknown ids.
std::string GetFormatExtension(FormatId id);

// The name the format lists show ("mp3"), empty for unknown ids.
std::string GetFormatName(FormatId id);

} // namespace velmont
