#pragma once

#include "model/EncodingParams.h"

namespace velmont {

// The attributes of a format element of param.ini, read and written from
// this one list; the video ones only on elements of the video group.
// OutputDir is read apart: no dialog writes it here.
struct ParamAttribute {
    const char* name;
    int EncodingParams::*number;
    bool EncodingParams::*flag;
    bool videoGroupOnly;
};

inline constexpr ParamAttribute kParamAttributes[] = {
    {"AudioCodec", &EncodingParams::audioCodecIndex, nullptr, false},
    {"AudioChannel", &EncodingParams::audioChannels, nullptr, false},
    {"AudioSampleRate", &EncodingParams::audioSampleRateIndex, nullptr, false},
    {"AudioBitrate", &EncodingParams::audioBitrateIndex, nullptr, false},
    {"AudioVolume", &EncodingParams::audioVolume, nullptr, false},
    {"EnableAudio", nullptr, &EncodingParams::audioEnabled, false},
    {"VideoCodec", &EncodingParams::videoCodecIndex, nullptr, true},
    {"Width", &EncodingParams::width, nullptr, true},
    {"Height", &EncodingParams::height, nullptr, true},
    {"Quantizer_Scale", &EncodingParams::quantizerScale, nullptr, true},
    {"FrameRate", &EncodingParams::frameRateIndex, nullptr, true},
    {"VideoBitrate", &EncodingParams::videoBitrateIndex, nullptr, true},
    {"Pass", &EncodingParams::passes, nullptr, true},
    {"VideoMinBitrate", &EncodingParams::videoMinBitrateIndex, nullptr, true},
    {"VideoMaxBitrate", &EncodingParams::videoMaxBitrateIndex, nullptr, true},
    {"EnableVBR", nullptr, &EncodingParams::vbrEnabled, true},
    {"EnableVideo", nullptr, &EncodingParams::videoEnabled, true},
    {"CropLeft", &EncodingParams::cropLeft, nullptr, true},
    {"CropTop", &EncodingParams::cropTop, nullptr, true},
    {"CropRight", &EncodingParams::cropRight, nullptr, true},
    {"CropBottom", &EncodingParams::cropBottom, nullptr, true},
    {"PaddingLeft", &EncodingParams::paddingLeft, nullptr, true},
    {"PaddingTop", &EncodingParams::paddingTop, nullptr, true},
    {"PaddingRight", &EncodingParams::paddingRight, nullptr, true},
    {"PaddingBottom", &EncodingParams::paddingBottom, nullptr, true},
    {"AspectRatio", &EncodingParams::aspectRatio, nullptr, true},
};

} // namespace velmont
