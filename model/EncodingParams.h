#pragma once

#include "model/FormatId.h"

#include <array>
#include <string>

namespace velmont {

// Encoding parameters of one output format. Field names follow param.ini's
// attributes. Most numbers are positions in the value lists below.
struct EncodingParams {
    int AudioCodec = -1;
    int VideoCodec = -1;
    int Width = 0;
    int Height = 0;
    int Quantizer_Scale = 4;
    int FrameRate = 0;
    int VideoBitrate = 7;
    int Pass = 1;
    bool EnableVBR = false;
    int VideoMinBitrate = 3;
    int VideoMaxBitrate = 3;
    bool EnableVideo = true;
    int CropLeft = 0;
    int CropTop = 0;
    int CropRight = 0;
    int CropBottom = 0;
    int PaddingLeft = 0;
    int PaddingTop = 0;
    int PaddingRight = 0;
    int PaddingBottom = 0;
    int AudioChannel = 2;
    int AudioSampleRate = 4;
    int AudioBitrate = 6;
    int AudioVolume = 256;
    bool EnableAudio = true;
    int AspectRatio = -1;
    std::string OutputDir;

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
inline constexpr int kAmrNbSampleRateHz = 8000;
inline constexpr int kAmrWbSampleRateHz = 16000;
inline constexpr std::array<int, 12> kVideoBitratesKbps = {128, 192, 216,  256,  384,  512,
                                                           576, 768, 1024, 1500, 2048, 4096};
inline constexpr std::array<double, 6> kFrameRates = {0, 14.985, 23.976, 24, 25, 29.97};

// Writes the common defaults into a record, OutputDir included.
void ResetToDefaults(EncodingParams& record);

// A format's built-in defaults (common defaults plus the format's own),
// Unknown ids give the common defaults.
EncodingParams BuiltInDefaults(FormatId id);

// The default output folder: "output" in the program's folder when the user
// can write there, else "Velmont Converter" in the user's music folder.
std::string DefaultOutputDirectory();

} // namespace velmont
