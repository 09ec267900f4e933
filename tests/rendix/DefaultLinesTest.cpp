// Every output format converted with the command line its built-in
// parameters give, then probed.
#include "RendixFixture.h"

#include "model/Catalogue.h"
#include "model/EncodingParams.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

using namespace velmont;

namespace {

// The command line the converter writes for a job with these parameters.
std::vector<std::string> DefaultArguments(FormatId id, const std::string& input, bool inputHasVideo,
                                          const std::string& output) {
    const EncodingParams p = BuiltInDefaults(id);
    std::vector<std::string> a = {"-i", input, "-y"};
    if (!GetMuxerName(id).empty())
        a.insert(a.end(), {"-f", GetMuxerName(id)});
    int bitrate = 0, rate = 0;
    if (p.AudioCodec == kAudioCodecAmrNb) {
        bitrate =
            static_cast<int>(kAmrNbBitratesKbps[static_cast<std::size_t>(p.AudioBitrate)] * 1000);
        rate = kAmrNbSampleRateHz;
    } else if (p.AudioCodec == kAudioCodecAmrWb) {
        bitrate =
            static_cast<int>(kAmrWbBitratesKbps[static_cast<std::size_t>(p.AudioBitrate)] * 1000);
        rate = kAmrWbSampleRateHz;
    } else {
        bitrate = kAudioBitratesKbps[static_cast<std::size_t>(p.AudioBitrate)] * 1000;
        rate = kSampleRatesHz[static_cast<std::size_t>(p.AudioSampleRate)];
    }
    a.insert(a.end(), {"-ab", std::to_string(bitrate), "-ar", std::to_string(rate), "-ac",
                       std::to_string(p.AudioChannel), "-vol", std::to_string(p.AudioVolume),
                       "-acodec", AudioCodecName(p.AudioCodec)});
    a.insert(a.end(), {"-title", "Velmont \"Test\" Title", "-author", "Ünïcode Artist", "-comment",
                       "A comment", "-album", "The Album", "-track", "7", "-year", "2007"});
    if (inputHasVideo && !IsVideoFormat(id)) {
        a.push_back("-vn");
    } else if (inputHasVideo) {
        char text[64];
        if (p.Width > 0 && p.Height > 0) {
            std::snprintf(text, sizeof text, "%d*%d", p.Width, p.Height);
            a.insert(a.end(), {"-s", text});
        }
        double fps = kFrameRates[static_cast<std::size_t>(p.FrameRate)];
        if (fps > 0) {
            std::snprintf(text, sizeof text, "%3.2f", fps);
            a.insert(a.end(), {"-r", text});
        }
        a.insert(a.end(),
                 {"-b", std::to_string(
                            kVideoBitratesKbps[static_cast<std::size_t>(p.VideoBitrate)] * 1000)});
        if (p.Quantizer_Scale > 0) {
            std::snprintf(text, sizeof text, "%3.2f", static_cast<float>(p.Quantizer_Scale));
            a.insert(a.end(), {"-qscale", text});
        }
        if (p.Pass > 0 && p.Pass < 3)
            a.insert(a.end(), {"-pass", std::to_string(p.Pass)});
        a.insert(a.end(), {"-vcodec", VideoCodecName(p.VideoCodec)});
        if (VideoCodecName(p.VideoCodec) == "libx264")
            a.insert(a.end(), {"-level", "21"});
    }
    a.push_back(output);
    return a;
}

struct Expected {
    FormatId id;
    const char* container; // libavformat's demuxer name
    const char* audioCodec;
    int sampleRate;
    int channels;
    const char* videoCodec; // null for audio formats
    int width;
    int height;
    bool holdsTags;
};

const Expected kExpected[] = {
    {0, "aac", "aac", 44100, 2, nullptr, 0, 0, true},
    {1, "aiff", "pcm_s16be", 44100, 2, nullptr, 0, 0, true},
    {2, "amr", "amr_nb", 8000, 1, nullptr, 0, 0, false},
    {3, "au", "pcm_s16be", 44100, 2, nullptr, 0, 0, true},
    {4, "flac", "flac", 44100, 2, nullptr, 0, 0, true},
    {5, "mov,mp4,m4a,3gp,3g2,mj2", "aac", 44100, 2, nullptr, 0, 0, true},
    // The mp2 format's built-in codec is the MP3 encoder.
    {6, "mp3", "mp3", 44100, 2, nullptr, 0, 0, false},
    {7, "mp3", "mp3", 44100, 2, nullptr, 0, 0, true},
    {8, "ogg", "vorbis", 44100, 2, nullptr, 0, 0, true},
    {9, "wav", "pcm_s16le", 44100, 2, nullptr, 0, 0, true},
    {10, "asf", "wmav2", 44100, 2, nullptr, 0, 0, true},
    {11, "mov,mp4,m4a,3gp,3g2,mj2", "amr_nb", 8000, 1, "h263", 176, 144, true},
    {12, "mov,mp4,m4a,3gp,3g2,mj2", "amr_nb", 8000, 1, "h263", 176, 144, true},
    {13, "avi", "mp3", 44100, 2, "h264", 256, 192, true},
    {14, "mov,mp4,m4a,3gp,3g2,mj2", "aac", 44100, 2, "h264", 320, 240, true},
    {15, "mov,mp4,m4a,3gp,3g2,mj2", "aac", 44100, 2, "h264", 320, 240, true},
    {16, "mpeg", "mp2", 44100, 2, "mpeg1video", 256, 192, false},
    {17, "mov,mp4,m4a,3gp,3g2,mj2", "aac", 44100, 2, "h264", 256, 192, true},
    {18, "flv", "mp3", 44100, 2, "flv1", 256, 192, true},
    {19, "swf", "mp3", 44100, 2, "flv1", 256, 192, false},
    {20, "nut", "vorbis", 44100, 2, "mpeg4", 256, 192, true},
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << GetFormatName(e.id);
}

class RendixDefaultLine : public RendixMedia, public ::testing::WithParamInterface<Expected> {};

} // namespace

TEST_P(RendixDefaultLine, ConvertsAndTheOutputHoldsWhatWasAskedFor) {
    const Expected& e = GetParam();
    const bool video = e.videoCodec != nullptr;
    const std::string output = Out("default " + GetFormatName(e.id) + GetFormatExtension(e.id));
    RendixRun run =
        RunRendix(DefaultArguments(e.id, video ? VideoInput() : AudioInput(), video, output));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Press [q] to stop encoding"), std::string::npos);
    EXPECT_EQ(run.output.find("Error"), std::string::npos) << run.output;

    ProbedMedia m = ProbeMedia(output);
    ASSERT_TRUE(m.ok) << output;
    EXPECT_EQ(m.format, e.container);
    const ProbedStream* audio = m.find("audio");
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codec, e.audioCodec);
    EXPECT_EQ(audio->sampleRate, e.sampleRate);
    EXPECT_EQ(audio->channels, e.channels);
    const ProbedStream* picture = m.find("video");
    if (video) {
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->codec, e.videoCodec);
        EXPECT_EQ(picture->width, e.width);
        EXPECT_EQ(picture->height, e.height);
        EXPECT_NEAR(picture->frameRate, 25, 0.01);
    } else {
        EXPECT_EQ(picture, nullptr);
    }
    if (e.id != 19) { // swf states no length
        EXPECT_NEAR(m.duration, 2.0, 0.2);
    }
    if (e.holdsTags && (e.id == 11 || e.id == 12)) {
        // libavformat does not read 3GPP's own tag boxes back; look for the bytes.
        std::ifstream file(output, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_NE(bytes.find("titl"), std::string::npos);
        EXPECT_NE(bytes.find("Velmont \"Test\" Title"), std::string::npos);
    } else if (e.holdsTags) {
        EXPECT_EQ(m.tag("title"), "Velmont \"Test\" Title");
        EXPECT_FALSE(m.tag("artist").empty() && m.tag("author").empty()) << "no author tag";
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, RendixDefaultLine, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             return "Format" + std::to_string(info.param.id) + "_" +
                                    GetFormatName(info.param.id);
                         });
