#include "convert/ResolveEncoderValues.h"

#include "MediaTestSupport.h"
#include "model/Catalogue.h"
#include "model/SettingsFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace velmont {
namespace {

JobItem Resolved(FormatId formatId, bool hasAudio, bool hasVideo, EncodingParams params) {
    JobItem job;
    job.inputPath = "/in/clip.avi";
    job.formatId = formatId;
    job.hasAudio = hasAudio;
    job.hasVideo = hasVideo;
    job.sourceSampleRate = 96000;
    params.outputDir = "/out";
    ResolveEncoderValues(job, params);
    return job;
}

// Positions in the page's lists; -1 and positions outside a list give the
// codec's default.
struct AudioCase {
    int codec, bitratePosition, ratePosition;
    int bitrate, sampleRate;
};

TEST(ResolveEncoderValuesTest, AudioPositionsGiveRatesAndOutOfListOnesTheDefault) {
    const AudioCase cases[] = {{-1, 9, 5, 192000, 48000},
                               {-1, -1, -1, 128000, 44100},
                               {-1, 10, 99, 128000, 44100},
                               {-1, -7, 7, 128000, 44100},
                               {-1, 0, kSampleRateOriginalPosition, 32000, 96000},
                               {kAudioCodecAmrNb, 99, 5, 12200, 8000},
                               {kAudioCodecAmrWb, -1, 5, 23850, 16000}};
    for (const AudioCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.codec << " " << c.bitratePosition);
        EncodingParams params = BuiltInDefaults(kFormatMp3);
        params.audioCodecIndex = c.codec < 0 ? params.audioCodecIndex : c.codec;
        params.audioBitrateIndex = c.bitratePosition;
        params.audioSampleRateIndex = c.ratePosition;
        const JobItem job = Resolved(kFormatMp3, true, false, params);
        EXPECT_EQ(job.audio.bitrate, c.bitrate);
        EXPECT_EQ(job.audio.sampleRate, c.sampleRate);
    }
}

// The AMR lists hold fractions of kbit/s: every rate must come out whole,
// never one bit short.
TEST(ResolveEncoderValuesTest, AmrRatesAreWholeMultiplesOfFiftyBits) {
    EncodingParams params = BuiltInDefaults(2);
    for (const int codec : {kAudioCodecAmrNb, kAudioCodecAmrWb}) {
        params.audioCodecIndex = codec;
        for (params.audioBitrateIndex = 0; params.audioBitrateIndex < 9; ++params.audioBitrateIndex)
            EXPECT_EQ(Resolved(2, true, false, params).audio.bitrate % 50, 0);
    }
}

// The first ids beyond the name tables, and far beyond.
TEST(ResolveEncoderValuesTest, CodecIdWithoutANameLeavesTheCodecAsItWas) {
    for (const auto& [audioId, videoId] :
         {std::pair{-1, -1}, {kAudioCodecCount, kVideoCodecCount}, {1000, 1000}}) {
        JobItem job;
        job.formatId = 15;
        job.hasAudio = job.hasVideo = true;
        job.audio.codec = "kept audio";
        job.video.codec = "kept video";
        EncodingParams params = BuiltInDefaults(15);
        params.audioCodecIndex = audioId;
        params.videoCodecIndex = videoId;
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.codec + job.video.codec, "kept audiokept video") << audioId;
    }
}

// Positions inside the lists are converted end to end for every format by
// Rendix's DefaultLinesTest; here the fields without a default line.
TEST(ResolveEncoderValuesTest, VideoRateLimitsPassAndAspectAreConverted) {
    EncodingParams params = BuiltInDefaults(13);
    params.videoEnabled = false; // never switches a video format's video off
    params.videoMinBitrateIndex = 0;
    params.videoMaxBitrateIndex = 9;
    params.vbrEnabled = true;
    params.passes = 2;
    params.aspectRatio = 1;
    const VideoValues v = Resolved(13, true, true, params).video;
    EXPECT_TRUE(v.enabled && v.vbrEnabled);
    EXPECT_EQ((std::array{v.minRate, v.maxRate, v.pass, v.aspect}),
              (std::array{128000, 1500000, 2, 1}));
}

TEST(ResolveEncoderValuesTest, VideoPositionsOutsideTheirListsAreNeverUsed) {
    for (const int position : {-1, 12, 1000}) {
        EncodingParams params = BuiltInDefaults(13);
        params.frameRateIndex = params.videoBitrateIndex = position;
        params.videoMinBitrateIndex = params.videoMaxBitrateIndex = position;
        const VideoValues v = Resolved(13, true, true, params).video;
        EXPECT_EQ(v.frameRate, 0.0) << position; // keep the source rate
        EXPECT_EQ((std::array{v.bitrate, v.minRate, v.maxRate}),
                  (std::array{768000, 256000, 256000}));
    }
}

TEST(ResolveEncoderValuesTest, AudioFormatSwitchesVideoOffAndMissingStreamsKeepTheirValues) {
    JobItem job = Resolved(kFormatMp4, true, true, BuiltInDefaults(kFormatMp4));
    VideoValues earlier = job.video;
    job.formatId = kFormatMp3;
    ResolveEncoderValues(job, BuiltInDefaults(kFormatMp3));
    earlier.enabled = false;
    EXPECT_EQ(job.video, earlier);

    AudioValues untouched;
    untouched.enabled = false;
    EXPECT_EQ(Resolved(kFormatMp4, false, true, BuiltInDefaults(kFormatMp4)).audio, untouched);
    const JobItem noVideo = Resolved(kFormatMp4, true, false, BuiltInDefaults(kFormatMp4));
    EXPECT_EQ(noVideo.video, VideoValues());
    EXPECT_EQ(noVideo.outputDirectory, "/out");
}

TEST(ResolveEncoderValuesTest, UsesTheFormatsRecordAndWithoutOneChangesNothing) {
    EncodingSettings settings;
    for (const FormatId id : {-1, kFormatCount}) {
        JobItem job;
        job.formatId = id;
        ResolveEncoderValues(job, settings);
        EXPECT_EQ(job.audio, AudioValues()) << id;
    }
    settings.GetEncodingParams(kFormatMp3)->audioBitrateIndex = 0;
    settings.GetEncodingParams(kFormatMp3)->outputDir = "/somewhere";
    JobItem job;
    job.formatId = kFormatMp3;
    job.hasAudio = true;
    ResolveEncoderValues(job, settings);
    EXPECT_EQ(job.audio.bitrate, 32000);
    EXPECT_EQ(job.outputDirectory, "/somewhere");
}

// A param.ini written for the 21 formats before "Original" came means what
// it meant: positions 0..5 of the rates, channel counts 1 and 2.
TEST(ResolveEncoderValuesTest, ParamFileOfTheTwentyOneFormatsKeepsItsMeaning) {
    const int earlierRates[] = {16000, 22050, 24000, 32000, 44100, 48000};
    std::string children;
    for (FormatId id = 0; id < 21; ++id)
        if (const char* name = FormatElementName(id))
            children += "<" + std::string(name) + " AudioSampleRate=\"" + std::to_string(id % 6) +
                        "\" AudioChannel=\"" + std::to_string(1 + id % 2) + "\"/>";
    test::TempFolder folder;
    ASSERT_TRUE(test::WriteWholeFile(folder.Path("param.ini"),
                                     "<root><param>" + children + "</param></root>"));
    EncodingSettings settings;
    LoadParamFileFrom(folder.Path("param.ini"), settings);
    for (FormatId id = 0; id < 21; ++id) {
        const EncodingParams* record = settings.GetEncodingParams(id);
        if (!FormatElementName(id) || record->audioCodecIndex == kAudioCodecAmrNb)
            continue;
        const JobItem job = Resolved(id, true, false, *record);
        EXPECT_EQ(job.audio.sampleRate, earlierRates[id % 6]) << id;
        EXPECT_EQ(job.audio.channels, 1 + id % 2) << id;
    }
}

} // namespace
} // namespace velmont
