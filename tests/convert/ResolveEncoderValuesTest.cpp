#include "convert/ResolveEncoderValues.h"
#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include <array>

namespace velmont {
namespace {

JobItem SourceJob(FormatId formatId, bool hasAudio, bool hasVideo) {
    JobItem job;
    job.inputPath = "/in/clip.avi";
    job.formatId = formatId;
    job.hasAudio = hasAudio;
    job.hasVideo = hasVideo;
    return job;
}

EncodingParams Defaults(FormatId formatId) {
    EncodingParams params = BuiltInDefaults(formatId);
    params.OutputDir = "/out";
    return params;
}

TEST(ResolveEncoderValuesTest, AmrTablesGiveWholeBitsPerSecond) {
    const int narrow[] = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
    const int wide[] = {6600, 8850, 12650, 14250, 15850, 18250, 19850, 23050, 23850};
    EncodingParams params = Defaults(2);
    for (int position = 0; position < 8; ++position) {
        params.AudioBitrate = position;
        JobItem job = SourceJob(2, true, false);
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.bitrate, narrow[position]);
    }
    params.AudioCodec = 10;
    params.AudioSampleRate = 5; // not used by AMR
    for (int position = 0; position < 9; ++position) {
        params.AudioBitrate = position;
        JobItem job = SourceJob(2, true, false);
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.bitrate, wide[position]);
        EXPECT_EQ(job.audio.sampleRate, 16000);
        EXPECT_EQ(job.audio.codec, "libamr_wb");
    }
}

TEST(ResolveEncoderValuesTest, DefaultAndOutOfTablePositionsGiveTheCodecsDefault) {
    for (const int position : {-1, 10, 99, -7}) {
        SCOPED_TRACE(position);
        EncodingParams params = Defaults(kFormatMp3);
        params.AudioBitrate = position;
        params.AudioSampleRate = position;
        JobItem job = SourceJob(kFormatMp3, true, false);
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.bitrate, 128000);
        EXPECT_EQ(job.audio.sampleRate, 44100);

        params.AudioCodec = 9;
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.bitrate, 12200);
        params.AudioCodec = 10;
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.bitrate, 23850);
    }
    EncodingParams params = Defaults(kFormatMp3);
    params.AudioBitrate = 9;
    params.AudioSampleRate = 5;
    JobItem job = SourceJob(kFormatMp3, true, false);
    ResolveEncoderValues(job, params);
    EXPECT_EQ(job.audio.bitrate, 192000);
    EXPECT_EQ(job.audio.sampleRate, 48000);
}

TEST(ResolveEncoderValuesTest, CodecIdWithoutANameLeavesTheCodecAsItWas) {
    JobItem job = SourceJob(15, true, true);
    job.audio.codec = "kept audio";
    job.video.codec = "kept video";
    // The first ids beyond the name tables, and far beyond.
    const int audioIds[] = {-1, kAudioCodecCount, 1000};
    const int videoIds[] = {-1, kVideoCodecCount, 1000};
    for (int i = 0; i < 3; ++i) {
        EncodingParams params = Defaults(15);
        params.AudioCodec = audioIds[i];
        params.VideoCodec = videoIds[i];
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.audio.codec, "kept audio");
        EXPECT_EQ(job.video.codec, "kept video");
    }
}

TEST(ResolveEncoderValuesTest, VideoFieldsAreReorderedAndConverted) {
    JobItem job = SourceJob(kFormatMp4, true, true);
    EncodingParams params = Defaults(kFormatMp4);
    params.EnableVideo = false; // never switches a video format's video off
    ResolveEncoderValues(job, params);
    EXPECT_TRUE(job.video.enabled); // the defaults show in the builder's default lines

    params = Defaults(13);
    params.FrameRate = 5;
    params.VideoBitrate = 11;
    params.VideoMinBitrate = 0;
    params.VideoMaxBitrate = 9;
    params.EnableVBR = true;
    params.Pass = 2;
    params.AspectRatio = 1;
    params.CropLeft = 1;
    params.CropTop = 2;
    params.CropRight = 3;
    params.CropBottom = 4;
    params.PaddingLeft = 5;
    params.PaddingTop = 6;
    params.PaddingRight = 7;
    params.PaddingBottom = 8;
    job = SourceJob(13, true, true);
    ResolveEncoderValues(job, params);
    const VideoValues& v = job.video;
    EXPECT_DOUBLE_EQ(v.frameRate, 29.97);
    EXPECT_EQ((std::array{v.bitrate, v.minRate, v.maxRate, v.pass, v.aspect}),
              (std::array{4096000, 128000, 1500000, 2, 1}));
    EXPECT_TRUE(v.vbrEnabled);
    EXPECT_EQ((std::array{v.cropLeft, v.cropTop, v.cropRight, v.cropBottom, v.padLeft, v.padTop,
                          v.padRight, v.padBottom}),
              (std::array{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ResolveEncoderValuesTest, VideoPositionsOutsideTheirListsAreNeverUsed) {
    for (const int position : {-1, 12, 1000}) {
        SCOPED_TRACE(position);
        EncodingParams params = Defaults(13);
        params.FrameRate = position;
        params.VideoBitrate = position;
        params.VideoMinBitrate = position;
        params.VideoMaxBitrate = position;
        JobItem job = SourceJob(13, true, true);
        ResolveEncoderValues(job, params);
        EXPECT_EQ(job.video.frameRate, 0.0); // keep the source rate
        EXPECT_EQ(job.video.bitrate, 768000);
        EXPECT_EQ(job.video.minRate, 256000);
        EXPECT_EQ(job.video.maxRate, 256000);
    }
    EncodingParams params = Defaults(13);
    params.FrameRate = 6;
    JobItem job = SourceJob(13, true, true);
    ResolveEncoderValues(job, params);
    EXPECT_EQ(job.video.frameRate, 0.0);
}

TEST(ResolveEncoderValuesTest, AudioFormatSwitchesVideoOffAndKeepsTheRest) {
    JobItem fresh = SourceJob(kFormatMp3, true, true);
    ResolveEncoderValues(fresh, Defaults(kFormatMp3));
    VideoValues expected;
    expected.enabled = false;
    EXPECT_EQ(fresh.video, expected); // frame rate 25.0 among them

    JobItem resolvedBefore = SourceJob(kFormatMp4, true, true);
    ResolveEncoderValues(resolvedBefore, Defaults(kFormatMp4));
    VideoValues earlier = resolvedBefore.video;
    resolvedBefore.formatId = kFormatMp3;
    ResolveEncoderValues(resolvedBefore, Defaults(kFormatMp3));
    earlier.enabled = false;
    EXPECT_EQ(resolvedBefore.video, earlier);
}

TEST(ResolveEncoderValuesTest, MissingStreamsLeaveTheirValues) {
    JobItem noAudio = SourceJob(kFormatMp4, false, true);
    ResolveEncoderValues(noAudio, Defaults(kFormatMp4));
    AudioValues untouched;
    untouched.enabled = false;
    EXPECT_EQ(noAudio.audio, untouched);

    JobItem noVideo = SourceJob(kFormatMp4, true, false);
    ResolveEncoderValues(noVideo, Defaults(kFormatMp4));
    EXPECT_EQ(noVideo.video, VideoValues());
    EXPECT_EQ(noVideo.outputDirectory, "/out");
}

TEST(ResolveEncoderValuesTest, FormatWithoutARecordChangesNothing) {
    for (const FormatId id : {-1, kFormatCount}) {
        JobItem job = SourceJob(id, true, true);
        const JobItem before = job;
        ResolveEncoderValues(job);
        EXPECT_EQ(job, before);
    }
}

TEST(ResolveEncoderValuesTest, UsesTheFormatsRecord) {
    EncodingParams* record = GetEncodingParams(kFormatMp3);
    ASSERT_NE(record, nullptr);
    const EncodingParams saved = *record;
    record->AudioBitrate = 0;
    record->OutputDir = "/somewhere";
    JobItem job = SourceJob(kFormatMp3, true, false);
    ResolveEncoderValues(job);
    *record = saved;
    EXPECT_EQ(job.audio.bitrate, 32000);
    EXPECT_EQ(job.outputDirectory, "/somewhere");
}

} // namespace
} // namespace velmont
