#include "cli/EncodingOptions.h"

#include "cli/EncoderLimits.h"
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

// What the encoder takes for video whatever the codec: it picks a codec's
// nearest frame rate itself.
constexpr int kLowestVideoKbps = 16;
constexpr int kHighestVideoKbps = 100000;
constexpr double kHighestFrameRate = 240;

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

// "192k" or "192": kbit/s; nullopt for anything else.
std::optional<double> Kbps(const std::string& value) {
    std::string digits = value;
    if (!digits.empty() && (digits.back() == 'k' || digits.back() == 'K'))
        digits.pop_back();
    char* end = nullptr;
    const double kbps = digits.empty() ? 0 : std::strtod(digits.c_str(), &end);
    if (!end || *end != '\0' || !(kbps > 0))
        return std::nullopt;
    return kbps;
}

// Any whole kbit/s rate from low to high, in bit/s.
int BitrateOption(const std::string& option, const std::string& value, int low, int high) {
    const std::optional<double> kbps = Kbps(value);
    if (!kbps || *kbps != std::floor(*kbps) || *kbps < low || *kbps > high)
        throw UsageError("--" + option + ": \"" + value + "\" is not a bit rate from " +
                         std::to_string(low) + "k to " + std::to_string(high) + "k");
    return int(*kbps) * 1000;
}

int SampleRateOption(const std::string& value, const AudioEncoderLimits& limits) {
    const std::optional<int> hz = WholeNumber(value);
    if (limits.sampleRates.empty()) {
        if (!hz || *hz < limits.lowestRate || *hz > limits.highestRate)
            throw UsageError("--sample-rate: \"" + value + "\" is not a rate from " +
                             std::to_string(limits.lowestRate) + " to " +
                             std::to_string(limits.highestRate) + " Hz or \"original\"");
        return *hz;
    }
    std::vector<std::string> allowed;
    for (const int rate : limits.sampleRates) {
        if (hz == rate)
            return rate;
        allowed.push_back(std::to_string(rate));
    }
    allowed.push_back("original");
    Refuse("sample-rate", value, allowed);
}

// The AMR encoders take mono at one fixed rate and their own bit rates,
// which stay list positions.
void ApplyAmr(const CommandLine& line, bool narrow, EncodingParams& record) {
    if (const std::string* value = line.Value("audio-bitrate"))
        record.audioBitrateIndex = narrow
                                       ? RatePosition("audio-bitrate", *value, kAmrNbBitratesKbps)
                                       : RatePosition("audio-bitrate", *value, kAmrWbBitratesKbps);
    const int fixed = narrow ? kAmrNbSampleRateHz : kAmrWbSampleRateHz;
    if (const std::string* value = line.Value("sample-rate"); value && WholeNumber(*value) != fixed)
        Refuse("sample-rate", *value, {std::to_string(fixed)});
    if (const std::string* value = line.Value("channels"))
        record.audioChannels = NumberOption("channels", *value, 1, 1);
}

void ApplyAudioValues(const CommandLine& line, EncodingParams& record, ExactValues& exact) {
    const AudioEncoderLimits limits = AudioLimitsOf(AudioCodecName(record.audioCodecIndex));
    if (const std::string* value = line.Value("audio-bitrate"))
        exact.audioBitrate =
            BitrateOption("audio-bitrate", *value, limits.lowestKbps, limits.highestKbps);
    if (const std::string* value = line.Value("sample-rate")) {
        if (*value == "original")
            record.audioSampleRateIndex = kSampleRateOriginalPosition;
        else
            exact.sampleRate = SampleRateOption(*value, limits);
    }
    if (const std::string* value = line.Value("channels")) {
        if (*value == "original")
            record.audioChannels = kChannelsOriginal;
        else
            exact.channels = NumberOption("channels", *value, 1, limits.highestChannels);
    }
}

void ApplyAudio(const CommandLine& line, FormatId format, EncodingParams& record,
                ExactValues& exact) {
    if (const std::string* value = line.Value("audio-codec"))
        record.audioCodecIndex = CodecId("audio-codec", *value, format, true);
    if (record.audioCodecIndex == kAudioCodecAmrNb || record.audioCodecIndex == kAudioCodecAmrWb)
        ApplyAmr(line, record.audioCodecIndex == kAudioCodecAmrNb, record);
    else
        ApplyAudioValues(line, record, exact);
    if (const std::string* value = line.Value("volume"))
        record.audioVolume = int(std::lround(NumberOption("volume", *value, 0, 200) * 2.56));
    if (line.Has("no-audio"))
        record.audioEnabled = false;
}

void ApplyGeometry(const CommandLine& line, EncodingParams& record) {
    if (const std::string* value = line.Value("size")) {
        int width = 0;
        int height = 0;
        char tail = 0;
        if (*value == "original") {
            record.width = record.height = 0;
        } else if (std::sscanf(value->c_str(), "%dx%d%c", &width, &height, &tail) == 2 &&
                   width >= 16 && height >= 16 && width <= 8192 && height <= 8192) {
            record.width = width;
            record.height = height;
        } else {
            throw UsageError("--size: \"" + *value +
                             "\" is not WIDTHxHEIGHT (16 to 8192 each) or \"original\"");
        }
    }
    if (const std::string* value = line.Value("crop")) {
        const auto m = Margins("crop", *value);
        record.cropLeft = m[0], record.cropTop = m[1], record.cropRight = m[2],
        record.cropBottom = m[3];
    }
    if (const std::string* value = line.Value("pad")) {
        const auto m = Margins("pad", *value);
        record.paddingLeft = m[0], record.paddingTop = m[1], record.paddingRight = m[2],
        record.paddingBottom = m[3];
    }
}

void ApplyVideo(const CommandLine& line, FormatId format, EncodingParams& record,
                ExactValues& exact) {
    if (const std::string* value = line.Value("video-codec"))
        record.videoCodecIndex = CodecId("video-codec", *value, format, false);
    ApplyGeometry(line, record);
    if (const std::string* value = line.Value("frame-rate")) {
        char* end = nullptr;
        const double fps = std::strtod(value->c_str(), &end);
        if (*value == "original")
            record.frameRateIndex = 0;
        else if (end != value->c_str() && *end == '\0' && fps >= 1 && fps <= kHighestFrameRate)
            exact.frameRate = fps;
        else
            throw UsageError("--frame-rate: \"" + *value + "\" is not a rate from 1 to " +
                             Number(kHighestFrameRate) + " frames/s or \"original\"");
    }
    if (const std::string* value = line.Value("aspect")) {
        if (*value == "auto" || *value == "4:3" || *value == "16:9")
            record.aspectRatio = *value == "auto" ? -1 : *value == "4:3" ? 0 : 1;
        else
            Refuse("aspect", *value, {"auto", "4:3", "16:9"});
    }
    if (const std::string* value = line.Value("quality"))
        record.quantizerScale = NumberOption("quality", *value, 0, 10);
    const auto videoRate = [&line](const char* option, int& target) {
        if (const std::string* value = line.Value(option))
            target = BitrateOption(option, *value, kLowestVideoKbps, kHighestVideoKbps);
        return line.Has(option);
    };
    videoRate("video-bitrate", exact.videoBitrate);
    if (videoRate("vbr-min", exact.minRate) | videoRate("vbr-max", exact.maxRate))
        record.vbrEnabled = true;
    if (line.Has("two-pass"))
        record.passes = 2;
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

ExactValues ApplyEncodingOptions(const CommandLine& line, FormatId format, EncodingParams& record) {
    ExactValues exact;
    ApplyAudio(line, format, record, exact);
    const bool video = IsVideoFormat(format);
    for (const char* option : {"video-codec", "size", "frame-rate", "aspect", "quality",
                               "video-bitrate", "vbr-min", "vbr-max", "two-pass", "crop", "pad"})
        if (!video && line.Has(option))
            throw UsageError(std::string("--") + option + ": the format " + GetFormatName(format) +
                             " carries no video");
    if (video)
        ApplyVideo(line, format, record, exact);
    return exact;
}

void ApplyExactValues(const ExactValues& values, JobItem& job) {
    const auto put = [](auto value, auto& field) {
        if (value > 0)
            field = value;
    };
    put(values.audioBitrate, job.audio.bitrate);
    put(values.sampleRate, job.audio.sampleRate);
    put(values.channels, job.audio.channels);
    put(values.videoBitrate, job.video.bitrate);
    put(values.minRate, job.video.minRate);
    put(values.maxRate, job.video.maxRate);
    put(values.frameRate, job.video.frameRate);
}

} // namespace velmont::cli
