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

// Ids are positions in the tables below and are stored in param.ini, so new
// codecs are only ever appended.
inline constexpr int kAudioCodecCount = 21;
inline constexpr int kAudioDisplayCount = 28;
inline constexpr int kVideoCodecCount = 10;

inline constexpr int kAudioCodecAmrNb = 9;
inline constexpr int kAudioCodecAmrWb = 10;
inline constexpr int kAudioCodecOpus = 20;
inline constexpr int kVideoCodecH263 = 4;
inline constexpr int kVideoCodecH265 = 7;
inline constexpr int kVideoCodecVp9 = 8;
inline constexpr int kVideoCodecAv1 = 9;

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

// Whether the audio codec keeps every sample as it is (flac, linear PCM);
// false for unknown ids.
bool IsLosslessAudioCodec(int id);

// Whether the format carries video (and so has the video pages and video
// options); false for unknown ids.
bool IsVideoFormat(FormatId id);

// The format's entry list, or null for an unknown id.
const std::vector<CatalogueEntry>* GetCatalogueEntries(FormatId id);

// The container name passed with -f; empty for wav and unknown ids.
std::string GetMuxerName(FormatId id);

// The output extension with its dot (".mp3"), empty for unknown ids.
std::string GetFormatExtension(FormatId id);

// The name the format lists show ("mp3"), empty for unknown ids.
std::string GetFormatName(FormatId id);

} // namespace velmont
