#pragma once

#include "model/FormatId.h"

#include <array>
#include <string>

namespace velmont {

// Encoding parameters of one output format, as param.ini stores them (the
// settings files map each field to its attribute). A field named ...Index is
// a position in a value list below (or in the catalogue's codec lists), not
// a value; the resolver turns positions into values.
struct EncodingParams {
    int audioCodecIndex = -1;
    int videoCodecIndex = -1;
    int width = 0;
    int height = 0;
    int quantizerScale = 4;
    int frameRateIndex = 0;
    int videoBitrateIndex = 7;
    int passes = 1; // 1 or 2
    bool vbrEnabled = false;
    int videoMinBitrateIndex = 3;
    int videoMaxBitrateIndex = 3;
    bool videoEnabled = true;
    int cropLeft = 0;
    int cropTop = 0;
    int cropRight = 0;
    int cropBottom = 0;
    int paddingLeft = 0;
    int paddingTop = 0;
    int paddingRight = 0;
    int paddingBottom = 0;
    int audioChannels = 2;
    int audioSampleRateIndex = 4;
    int audioBitrateIndex = 6;
    int audioVolume = 256; // 256 = unchanged
    bool audioEnabled = true;
    int aspectRatio = -1; // -1 = automatic, 0 = 4:3, 1 = 16:9
    std::string outputDir;

    bool operator==(const EncodingParams&) const = default;
};

// Value lists, index 0 first.
inline constexpr std::array<int, 10> kAudioBitratesKbps = {32,  48,  64,  80,  96,
                                                           112, 128, 144, 160, 192};
inline constexpr std::array<double, 8> kAmrNbBitratesKbps = {4.75, 5.15, 5.9,  6.7,
                                                             7.4,  7.95, 10.2, 12.2};
inline constexpr std::array<double, 9> kAmrWbBitratesKbps = {6.6,   8.85,  12.65, 14.25, 15.85,
                                                             18.25, 19.85, 23.05, 23.85};
inline constexpr std::array<int, 6> kSampleRatesHz = {16000, 22050, 24000, 32000, 44100, 48000};
// "Original", the source's own rate: the position after the list, so the
// positions stored before it came keep their meaning.
inline constexpr int kSampleRateOriginalPosition = int(kSampleRatesHz.size());
// audioChannels holds a channel count; 0 stands for "Original", the source's.
inline constexpr int kChannelsOriginal = 0;
inline constexpr int kAmrNbSampleRateHz = 8000;
inline constexpr int kAmrWbSampleRateHz = 16000;
inline constexpr std::array<int, 12> kVideoBitratesKbps = {128, 192, 216,  256,  384,  512,
                                                           576, 768, 1024, 1500, 2048, 4096};
inline constexpr std::array<double, 6> kFrameRates = {0, 14.985, 23.976, 24, 25, 29.97};

// Writes the common defaults into a record, its output folder included.
void ResetToDefaults(EncodingParams& record);

// A format's built-in defaults (common defaults plus the format's own),
// Unknown ids give the common defaults.
EncodingParams BuiltInDefaults(FormatId id);

// The default output folder: "output" in the program's folder when the user
// can write there, else "Velmont Converter" in the user's music folder.
std::string DefaultOutputDirectory();

} // namespace velmont
