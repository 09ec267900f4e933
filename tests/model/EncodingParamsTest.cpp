#include "model/EncodingParams.h"
#include "model/Catalogue.h"
#include "platform/ModuleDirectory.h"

#include <gtest/gtest.h>

using namespace velmont;

namespace {

class EncodingParamsTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAllEncodingParams(); }
    void TearDown() override { ResetAllEncodingParams(); }
};

EncodingParams CommonDefaults() {
    EncodingParams record;
    ResetToDefaults(record);
    return record;
}

} // namespace

TEST_F(EncodingParamsTest, UnknownFormatsHaveNoRecord) {
    EXPECT_EQ(GetEncodingParams(-1), nullptr);
    EXPECT_EQ(GetEncodingParams(kFormatCount), nullptr);
    EXPECT_EQ(GetEncodingParams(-2147483647 - 1), nullptr);
}

TEST_F(EncodingParamsTest, SameRecordOnEveryRequest) {
    EncodingParams* first = GetEncodingParams(7);
    ASSERT_NE(first, nullptr);
    first->AudioBitrate = 9;
    EXPECT_EQ(GetEncodingParams(7), first);
    EXPECT_EQ(GetEncodingParams(7)->AudioBitrate, 9);
    // No field is shared between formats.
    EXPECT_EQ(GetEncodingParams(6)->AudioBitrate, 6);
    GetEncodingParams(0)->OutputDir = "elsewhere";
    EXPECT_NE(GetEncodingParams(1)->OutputDir, "elsewhere");
}

TEST_F(EncodingParamsTest, ResetToDefaultsWritesEveryCommonDefault) {
    EncodingParams record;
    record.AudioCodec = 5;
    record.VideoCodec = 5;
    record.Width = 1;
    record.Height = 1;
    record.Quantizer_Scale = 9;
    record.FrameRate = 3;
    record.VideoBitrate = 1;
    record.Pass = 2;
    record.EnableVBR = true;
    record.VideoMinBitrate = 9;
    record.VideoMaxBitrate = 9;
    record.EnableVideo = false;
    record.CropLeft = record.CropTop = record.CropRight = record.CropBottom = 8;
    record.PaddingLeft = record.PaddingTop = record.PaddingRight = record.PaddingBottom = 8;
    record.AudioChannel = 1;
    record.AudioSampleRate = 0;
    record.AudioBitrate = 0;
    record.AudioVolume = 0;
    record.EnableAudio = false;
    record.AspectRatio = 1;
    record.OutputDir = "x";

    ResetToDefaults(record);

    EXPECT_EQ(record.AudioCodec, -1);
    EXPECT_EQ(record.VideoCodec, -1);
    EXPECT_EQ(record.Width, 0);
    EXPECT_EQ(record.Height, 0);
    EXPECT_EQ(record.Quantizer_Scale, 4);
    EXPECT_EQ(record.FrameRate, 0);
    EXPECT_EQ(record.VideoBitrate, 7);
    EXPECT_EQ(record.Pass, 1);
    EXPECT_FALSE(record.EnableVBR);
    EXPECT_EQ(record.VideoMinBitrate, 3);
    EXPECT_EQ(record.VideoMaxBitrate, 3);
    EXPECT_TRUE(record.EnableVideo);
    EXPECT_EQ(record.CropLeft + record.CropTop + record.CropRight + record.CropBottom, 0);
    EXPECT_EQ(record.PaddingLeft + record.PaddingTop + record.PaddingRight + record.PaddingBottom,
              0);
    EXPECT_EQ(record.AudioChannel, 2);
    EXPECT_EQ(record.AudioSampleRate, 4);
    EXPECT_EQ(record.AudioBitrate, 6);
    EXPECT_EQ(record.AudioVolume, 256);
    EXPECT_TRUE(record.EnableAudio);
    EXPECT_EQ(record.AspectRatio, -1);
    EXPECT_EQ(record.OutputDir, GetModuleDirectory() + "output");
}

TEST_F(EncodingParamsTest, DefaultPositionsPointAtTheDocumentedValues) {
    const EncodingParams record = CommonDefaults();
    EXPECT_EQ(kSampleRatesHz.at(record.AudioSampleRate), 44100);
    EXPECT_EQ(kAudioBitratesKbps.at(record.AudioBitrate), 128);
    EXPECT_EQ(kVideoBitratesKbps.at(record.VideoBitrate), 768);
    EXPECT_EQ(kVideoBitratesKbps.at(record.VideoMinBitrate), 256);
    EXPECT_EQ(kVideoBitratesKbps.at(record.VideoMaxBitrate), 256);
    EXPECT_EQ(kFrameRates.at(record.FrameRate), 0.0);

    // List lengths bound every position check later code makes.
    EXPECT_EQ(kAudioBitratesKbps.size(), 10u);
    EXPECT_EQ(kAmrNbBitratesKbps.size(), 8u);
    EXPECT_EQ(kAmrWbBitratesKbps.size(), 9u);
    EXPECT_EQ(kSampleRatesHz.size(), 6u);
    EXPECT_EQ(kVideoBitratesKbps.size(), 12u);
    EXPECT_EQ(kFrameRates.size(), 6u);
    EXPECT_EQ(kAudioBitratesKbps.back(), 192);
    EXPECT_EQ(kAmrWbBitratesKbps.back(), 23.85);
    EXPECT_EQ(kSampleRatesHz.back(), 48000);
    EXPECT_EQ(kVideoBitratesKbps.back(), 4096);
    EXPECT_EQ(kFrameRates.back(), 29.97);
}

TEST_F(EncodingParamsTest, PerFormatDefaultsOverTheCommonOnes) {
    struct Row {
        FormatId id;
        int audioCodec;
        int videoCodec;
        int width;
        int height;
        bool amr;
    };
    const Row rows[] = {
        {0, 11, -1, 0, 0, false},     {1, 1, -1, 0, 0, false},   {2, 9, -1, 0, 0, true},
        {3, 1, -1, 0, 0, false},      {4, 8, -1, 0, 0, false},   {5, 11, -1, 0, 0, false},
        {6, 12, -1, 0, 0, false},     {7, 12, -1, 0, 0, false},  {8, 13, -1, 0, 0, false},
        {9, 3, -1, 0, 0, false},      {10, 17, -1, 0, 0, false}, {11, 9, 4, 176, 144, true},
        {12, 9, 4, 176, 144, true},   {13, 12, 0, 0, 0, false},  {14, 11, 0, 320, 240, false},
        {15, 11, 0, 320, 240, false}, {16, 19, 3, 0, 0, false},  {17, 11, 0, 0, 0, false},
        {18, 12, 6, 0, 0, false},     {19, 12, 6, 0, 0, false},  {20, 13, 1, 0, 0, false},
    };
    for (const Row& row : rows) {
        EncodingParams expected = CommonDefaults();
        expected.AudioCodec = row.audioCodec;
        expected.VideoCodec = row.videoCodec;
        expected.Width = row.width;
        expected.Height = row.height;
        if (row.amr) {
            expected.AudioChannel = 1;
            expected.AudioSampleRate = 0;
            expected.AudioBitrate = 7;
        }
        const EncodingParams* record = GetEncodingParams(row.id);
        ASSERT_NE(record, nullptr) << row.id;
        EXPECT_EQ(*record, expected) << row.id;
        EXPECT_EQ(BuiltInDefaults(row.id), expected) << row.id;
    }
}

TEST_F(EncodingParamsTest, DefaultCodecsAreTheNamedEncoders) {
    const char* audio[] = {"libfaac", "pcm_s16be",  "libamr_nb",  "pcm_s16be",  "flac",
                           "libfaac", "libmp3lame", "libmp3lame", "vorbis",     "pcm_s16le",
                           "wmav2",   "libamr_nb",  "libamr_nb",  "libmp3lame", "libfaac",
                           "libfaac", "mp2",        "libfaac",    "libmp3lame", "libmp3lame",
                           "vorbis"};
    const char* video[] = {"h263",       "h263",    "libx264", "libx264", "libx264",
                           "mpeg1video", "libx264", "flv",     "flv",     "mpeg4"};
    for (FormatId id = 0; id < kFormatCount; ++id) {
        EXPECT_EQ(AudioCodecName(GetEncodingParams(id)->AudioCodec), audio[id]) << id;
        if (id < kFirstVideoFormat) {
            EXPECT_EQ(GetEncodingParams(id)->VideoCodec, -1) << id;
        } else {
            EXPECT_EQ(VideoCodecName(GetEncodingParams(id)->VideoCodec),
                      video[id - kFirstVideoFormat])
                << id;
        }
    }
}

TEST_F(EncodingParamsTest, AmrRecordsAreMonoNarrowBandAtTwelvePointTwo) {
    for (FormatId id : {2, 11, 12}) {
        const EncodingParams& record = *GetEncodingParams(id);
        EXPECT_EQ(record.AudioCodec, kAudioCodecAmrNb) << id;
        EXPECT_EQ(AudioCodecName(record.AudioCodec), "libamr_nb") << id;
        EXPECT_EQ(record.AudioChannel, 1) << id;
        EXPECT_EQ(kAmrNbBitratesKbps.at(record.AudioBitrate), 12.2) << id;
    }
    EXPECT_EQ(kAmrNbSampleRateHz, 8000);
    EXPECT_EQ(kAmrWbSampleRateHz, 16000);
    EXPECT_EQ(GetEncodingParams(11)->VideoCodec, kVideoCodecH263);
    EXPECT_EQ(GetEncodingParams(12)->Width, 176);
    EXPECT_EQ(GetEncodingParams(12)->Height, 144);
}

TEST_F(EncodingParamsTest, OutputDirIsTheProgramFolderPlusOutput) {
    const std::string expected = GetModuleDirectory() + "output";
    EXPECT_EQ(DefaultOutputDirectory(), expected);
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(GetEncodingParams(id)->OutputDir, expected) << id;
    EXPECT_NE(expected.back(), kPathSeparator);
}

TEST_F(EncodingParamsTest, ResetAllRestoresEveryRecord) {
    for (FormatId id = 0; id < kFormatCount; ++id) {
        GetEncodingParams(id)->AudioVolume = 1;
        GetEncodingParams(id)->OutputDir.clear();
    }
    ResetAllEncodingParams();
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(*GetEncodingParams(id), BuiltInDefaults(id)) << id;
}

TEST_F(EncodingParamsTest, UnknownIdsGetTheCommonDefaults) {
    EXPECT_EQ(BuiltInDefaults(-1), CommonDefaults());
    EXPECT_EQ(BuiltInDefaults(kFormatCount), CommonDefaults());
}
