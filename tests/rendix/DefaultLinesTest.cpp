// Every output format converted with the command line its built-in
// parameters give, then probed.
#include "RendixFixture.h"

#include "model/Catalogue.h"
#include "model/EncodingParams.h"

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace velmont;

namespace {

const char* const kTitle = "Velmont \"Test\" Title";
const char* const kAuthor = "Ünïcode Artist";

// The command line the converter writes for a job with these parameters.
std::vector<std::string> DefaultArguments(FormatId id, const std::string& input, bool inputHasVideo,
                                          const std::string& output) {
    const EncodingParams p = BuiltInDefaults(id);
    std::vector<std::string> a = {"-i", input, "-y"};
    const auto add = [&a](std::initializer_list<std::string> words) { a.insert(a.end(), words); };
    const auto at = [](auto& table, int index) { return table[static_cast<std::size_t>(index)]; };
    const auto fixed = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%3.2f", value);
        return std::string(text);
    };
    if (!GetMuxerName(id).empty())
        add({"-f", GetMuxerName(id)});
    int bitrate = 0, rate = 0;
    if (p.AudioCodec == kAudioCodecAmrNb) {
        bitrate = static_cast<int>(at(kAmrNbBitratesKbps, p.AudioBitrate) * 1000);
        rate = kAmrNbSampleRateHz;
    } else if (p.AudioCodec == kAudioCodecAmrWb) {
        bitrate = static_cast<int>(at(kAmrWbBitratesKbps, p.AudioBitrate) * 1000);
        rate = kAmrWbSampleRateHz;
    } else {
        bitrate = at(kAudioBitratesKbps, p.AudioBitrate) * 1000;
        rate = at(kSampleRatesHz, p.AudioSampleRate);
    }
    add({"-ab", std::to_string(bitrate), "-ar", std::to_string(rate), "-ac",
         std::to_string(p.AudioChannel), "-vol", std::to_string(p.AudioVolume), "-acodec",
         AudioCodecName(p.AudioCodec)});
    add({"-title", kTitle, "-author", kAuthor, "-comment", "A comment", "-album", "The Album",
         "-track", "7", "-year", "2007"});
    if (inputHasVideo && !IsVideoFormat(id)) {
        add({"-vn"});
    } else if (inputHasVideo) {
        if (p.Width > 0 && p.Height > 0)
            add({"-s", std::to_string(p.Width) + "*" + std::to_string(p.Height)});
        if (double fps = at(kFrameRates, p.FrameRate); fps > 0)
            add({"-r", fixed(fps)});
        add({"-b", std::to_string(at(kVideoBitratesKbps, p.VideoBitrate) * 1000)});
        if (p.Quantizer_Scale > 0)
            add({"-qscale", fixed(p.Quantizer_Scale)});
        if (p.Pass > 0 && p.Pass < 3)
            add({"-pass", std::to_string(p.Pass)});
        add({"-vcodec", VideoCodecName(p.VideoCodec)});
        if (VideoCodecName(p.VideoCodec) == "libx264")
            add({"-level", "21"});
    }
    a.push_back(output);
    return a;
}

struct DefaultLine {
    FormatId id;
    bool holdsTags;
    Expectation want;
};

const char* const kMp4 = "mov,mp4,m4a,3gp,3g2,mj2";
const char* const kMatroska = "matroska,webm";
const DefaultLine kLines[] = {
    {0, true, {"aac", "aac", 44100, 2}},
    {1, true, {"aiff", "pcm_s16be", 44100, 2}},
    {2, false, {"amr", "amr_nb", 8000, 1}},
    {3, true, {"au", "pcm_s16be", 44100, 2}},
    {4, true, {"flac", "flac", 44100, 2}},
    {5, true, {kMp4, "aac", 44100, 2}},
    {6, false, {"mp3", "mp3", 44100, 2}}, // the mp2 format's built-in codec is the MP3 encoder
    {7, true, {"mp3", "mp3", 44100, 2}},
    {8, true, {"ogg", "vorbis", 44100, 2}},
    {9, true, {"wav", "pcm_s16le", 44100, 2}},
    {10, true, {"asf", "wmav2", 44100, 2}},
    {11, true, {kMp4, "amr_nb", 8000, 1, "h263", 176, 144, 25}},
    {12, true, {kMp4, "amr_nb", 8000, 1, "h263", 176, 144, 25}},
    {13, true, {"avi", "mp3", 44100, 2, "h264", 256, 192, 25}},
    {14, true, {kMp4, "aac", 44100, 2, "h264", 320, 240, 25}},
    {15, true, {kMp4, "aac", 44100, 2, "h264", 320, 240, 25}},
    {16, false, {"mpeg", "mp2", 44100, 2, "mpeg1video", 256, 192, 25}},
    {17, true, {kMp4, "aac", 44100, 2, "h264", 256, 192, 25}},
    {18, true, {"flv", "mp3", 44100, 2, "flv1", 256, 192, 25}},
    {19, false, {"swf", "mp3", 44100, 2, "flv1", 256, 192, 25, -1}}, // swf states no length
    {20, true, {"nut", "vorbis", 44100, 2, "mpeg4", 256, 192, 25}},
    {21, true, {"ogg", "opus", 48000, 2}},
    {22, true, {kMatroska, "opus", 48000, 2, "vp9", 256, 192, 25}},
    {23, true, {kMatroska, "aac", 48000, 2, "h264", 256, 192, 25}},
};

void PrintTo(const DefaultLine& line, std::ostream* os) {
    *os << GetFormatName(line.id);
}

class RendixDefaultLine : public RendixMedia, public ::testing::WithParamInterface<DefaultLine> {};

} // namespace

TEST_P(RendixDefaultLine, ConvertsAndTheOutputHoldsWhatWasAskedFor) {
    const DefaultLine& line = GetParam();
    const bool video = line.want.videoCodec != nullptr;
    const std::string output =
        Out("default " + GetFormatName(line.id) + GetFormatExtension(line.id));
    ProbedMedia m = ExpectConverted(
        RunRendix(DefaultArguments(line.id, video ? VideoInput() : AudioInput(), video, output)),
        output, line.want);
    if (line.id == kFormatWebm) { // VP9 codes at the -qscale quality, far below the -b rate
        EXPECT_LT(Number(m, "format.bit_rate"), 1000000);
    }
    if (line.holdsTags && (line.id == 11 || line.id == 12)) {
        // libavformat does not read 3GPP's own tag boxes back; look for the bytes.
        std::ifstream file(output, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_NE(bytes.find("titl"), std::string::npos);
        EXPECT_NE(bytes.find(kTitle), std::string::npos);
    } else if (line.holdsTags) {
        EXPECT_EQ(m["tags.title"], kTitle);
        EXPECT_EQ(m.count("tags.artist") ? m["tags.artist"] : m["tags.author"], kAuthor);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, RendixDefaultLine, ::testing::ValuesIn(kLines),
                         [](const ::testing::TestParamInfo<DefaultLine>& info) {
                             return "Format" + std::to_string(info.param.id) + "_" +
                                    GetFormatName(info.param.id);
                         });
