#include "cli/EncodingOptions.h"

#include "cli/UsageError.h"
#include "model/Catalogue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <vector>

namespace velmont::cli {

namespace {

std::string Join(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

[[noreturn]] void Refuse(const std::string& option, const std::string& value,
                         const std::vector<std::string>& allowed) {
    throw UsageError("--" + option + ": \"" + value +
                     "\" is not allowed; choose one of: " + Join(allowed));
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// A whole number, all of the text; nullopt otherwise.
std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int NumberOption(const std::string& option, const std::string& value, int low, int high) {
    const std::optional<int> number = WholeNumber(value);
    if (!number || *number < low || *number > high)
        throw UsageError("--" + option + ": \"" + value + "\" is not a whole number from " +
                         std::to_string(low) + " to " + std::to_string(high));
    return *number;
}

// The position of a "192k" or "192" among kbit/s values.
template <typename Table>
int RatePosition(const std::string& option, const std::string& value, const Table& kbps) {
    std::string digits = value;
    if (!digits.empty() && (digits.back() == 'k' || digits.back() == 'K'))
        digits.pop_back();
    char* end = nullptr;
    const double wanted = digits.empty() ? -1 : std::strtod(digits.c_str(), &end);
    std::vector<std::string> allowed;
    for (std::size_t i = 0; i < kbps.size(); ++i) {
        if (end && *end == '\0' && std::fabs(double(kbps[i]) - wanted) < 1e-6)
            return int(i);
        allowed.push_back(Number(double(kbps[i])) + "k");
    }
    Refuse(option, value, allowed);
}

int CodecId(const std::string& option, const std::string& value, FormatId format, bool audio) {
    std::vector<std::string> allowed;
    std::set<int> seen;
    for (const CatalogueEntry& entry : *GetCatalogueEntries(format)) {
        const int id = audio ? entry.audioCodecId : entry.videoCodecId;
        if (id < 0 || !seen.insert(id).second)
            continue;
        const std::string name = audio ? AudioCodecName(id) : VideoCodecName(id);
        if (name == value)
            return id;
        allowed.push_back(name);
    }
    if (allowed.empty())
        throw UsageError("--" + option + ": the format " + GetFormatName(format) +
                         " has no such choice");
    Refuse(option, value, allowed);
}

std::array<int, 4> Margins(const std::string& option, const std::string& value) {
    std::array<int, 4> margins{};
    char tail = 0;
    const int read = std::sscanf(value.c_str(), "%d,%d,%d,%d%c", &margins[0], &margins[1],
                                 &margins[2], &margins[3], &tail);
    if (read != 4 || margins[0] < 0 || margins[1] < 0 || margins[2] < 0 || margins[3] < 0)
        throw UsageError("--" + option + ": \"" + value +
                         "\" is not four pixel counts LEFT,TOP,RIGHT,BOTTOM");
    return margins;
}

// AMR encoders take one fixed rate, which keeps the stored position.
int SampleRatePosition(const std::string& value, bool amrNb, bool amrWb, int stored) {
    const std::optional<int> hz = WholeNumber(value);
    if (amrNb || amrWb) {
        const int fixed = amrNb ? kAmrNbSampleRateHz : kAmrWbSampleRateHz;
        if (hz != fixed)
            Refuse("sample-rate", value, {std::to_string(fixed)});
        return stored;
    }
    std::vector<std::string> allowed;
    for (std::size_t i = 0; i < kSampleRatesHz.size(); ++i) {
        if (hz == kSampleRatesHz[i])
            return int(i);
        allowed.push_back(std::to_string(kSampleRatesHz[i]));
    }
    Refuse("sample-rate", value, allowed);
}

void ApplyAudio(const CommandLine& line, FormatId format, EncodingParams& record) {
    if (const std::string* value = line.Value("audio-codec"))
        record.AudioCodec = CodecId("audio-codec", *value, format, true);
    const bool amrNb = record.AudioCodec == kAudioCodecAmrNb;
    const bool amrWb = record.AudioCodec == kAudioCodecAmrWb;
    if (const std::string* value = line.Value("audio-bitrate")) {
        record.AudioBitrate = amrNb   ? RatePosition("audio-bitrate", *value, kAmrNbBitratesKbps)
                              : amrWb ? RatePosition("audio-bitrate", *value, kAmrWbBitratesKbps)
                                      : RatePosition("audio-bitrate", *value, kAudioBitratesKbps);
    }
    if (const std::string* value = line.Value("sample-rate"))
        record.AudioSampleRate = SampleRatePosition(*value, amrNb, amrWb, record.AudioSampleRate);
    if (const std::string* value = line.Value("channels")) {
        record.AudioChannel = NumberOption("channels", *value, 1, (amrNb || amrWb) ? 1 : 2);
    }
    if (const std::string* value = line.Value("volume"))
        record.AudioVolume = int(std::lround(NumberOption("volume", *value, 0, 200) * 2.56));
    if (line.Has("no-audio"))
        record.EnableAudio = false;
}

void ApplyGeometry(const CommandLine& line, EncodingParams& record) {
    if (const std::string* value = line.Value("size")) {
        int width = 0;
        int height = 0;
        char tail = 0;
        if (*value == "original") {
            record.Width = record.Height = 0;
        } else if (std::sscanf(value->c_str(), "%dx%d%c", &width, &height, &tail) == 2 &&
                   width >= 16 && height >= 16 && width <= 8192 && height <= 8192) {
            record.Width = width;
            record.Height = height;
        } else {
            throw UsageError("--size: \"" + *value +
                             "\" is not WIDTHxHEIGHT (16 to 8192 each) or \"original\"");
        }
    }
    if (const std::string* value = line.Value("crop")) {
        const auto m = Margins("crop", *value);
        record.CropLeft = m[0], record.CropTop = m[1], record.CropRight = m[2],
        record.CropBottom = m[3];
    }
    if (const std::string* value = line.Value("pad")) {
        const auto m = Margins("pad", *value);
        record.PaddingLeft = m[0], record.PaddingTop = m[1], record.PaddingRight = m[2],
        record.PaddingBottom = m[3];
    }
}

void ApplyVideo(const CommandLine& line, FormatId format, EncodingParams& record) {
    if (const std::string* value = line.Value("video-codec"))
        record.VideoCodec = CodecId("video-codec", *value, format, false);
    ApplyGeometry(line, record);
    if (const std::string* value = line.Value("frame-rate")) {
        std::vector<std::string> allowed{"original"};
        int position = *value == "original" ? 0 : -1;
        for (std::size_t i = 1; i < kFrameRates.size(); ++i) {
            allowed.push_back(Number(kFrameRates[i]));
            if (allowed.back() == *value)
                position = int(i);
        }
        if (position < 0)
            Refuse("frame-rate", *value, allowed);
        record.FrameRate = position;
    }
    if (const std::string* value = line.Value("aspect")) {
        if (*value == "auto" || *value == "4:3" || *value == "16:9")
            record.AspectRatio = *value == "auto" ? -1 : *value == "4:3" ? 0 : 1;
        else
            Refuse("aspect", *value, {"auto", "4:3", "16:9"});
    }
    if (const std::string* value = line.Value("quality"))
        record.Quantizer_Scale = NumberOption("quality", *value, 0, 10);
    if (const std::string* value = line.Value("video-bitrate"))
        record.VideoBitrate = RatePosition("video-bitrate", *value, kVideoBitratesKbps);
    if (const std::string* value = line.Value("vbr-min")) {
        record.VideoMinBitrate = RatePosition("vbr-min", *value, kVideoBitratesKbps);
        record.EnableVBR = true;
    }
    if (const std::string* value = line.Value("vbr-max")) {
        record.VideoMaxBitrate = RatePosition("vbr-max", *value, kVideoBitratesKbps);
        record.EnableVBR = true;
    }
    if (line.Has("two-pass"))
        record.Pass = 2;
}

} // namespace

FormatId FormatByName(const std::string& name) {
    std::vector<std::string> names;
    for (FormatId id = 0; id < kFormatCount; ++id) {
        if (GetFormatName(id) == name)
            return id;
        names.push_back(GetFormatName(id));
    }
    Refuse("format", name, names);
}

void ApplyEncodingOptions(const CommandLine& line, FormatId format, EncodingParams& record) {
    ApplyAudio(line, format, record);
    const bool video = IsVideoFormat(format);
    for (const char* option : {"video-codec", "size", "frame-rate", "aspect", "quality",
                               "video-bitrate", "vbr-min", "vbr-max", "two-pass", "crop", "pad"})
        if (!video && line.Has(option))
            throw UsageError(std::string("--") + option + ": the format " + GetFormatName(format) +
                             " carries no video");
    if (video)
        ApplyVideo(line, format, record);
}

} // namespace velmont::cli
