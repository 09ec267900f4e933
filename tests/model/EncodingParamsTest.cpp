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

// The defaults every format starts from, spelt out field by field.
EncodingParams CommonDefaults() {
    // In field order: codecs, size, scale, rate, bitrates and VBR, video switch, crop, pad,
    // audio channel, rate, bitrate, volume and switch, aspect, folder.
    return {-1, -1, 0,    0, 4, 0,   7,    1,  false,
            3,  3,  true, 0, 0, 0,   0,    0,  0,
            0,  0,  2,    4, 6, 256, true, -1, GetModuleDirectory() + "output"};
}

} // namespace

TEST_F(EncodingParamsTest, ResetToDefaultsWritesEveryCommonDefault) {
    EncodingParams record{5, 5, 1, 1, 9, 3, 1, 2, true, 9, 9,     false, 8,  8,
                          8, 8, 8, 8, 8, 8, 1, 0, 0,    0, false, 1,     "x"};
    ResetToDefaults(record);
    EXPECT_EQ(record, CommonDefaults());
    EXPECT_EQ(DefaultOutputDirectory(), GetModuleDirectory() + "output");
    EXPECT_EQ(BuiltInDefaults(-1), CommonDefaults());
    EXPECT_EQ(BuiltInDefaults(kFormatCount), CommonDefaults());
}

TEST_F(EncodingParamsTest, ValueLists) {
    EXPECT_EQ(kAudioBitratesKbps,
              (std::array<int, 10>{32, 48, 64, 80, 96, 112, 128, 144, 160, 192}));
    EXPECT_EQ(kSampleRatesHz, (std::array<int, 6>{16000, 22050, 24000, 32000, 44100, 48000}));
    EXPECT_EQ(kVideoBitratesKbps, (std::array<int, 12>{128, 192, 216, 256, 384, 512, 576, 768, 1024,
                                                       1500, 2048, 4096}));
    EXPECT_EQ(kFrameRates, (std::array<double, 6>{0, 14.985, 23.976, 24, 25, 29.97}));
    EXPECT_EQ(kAmrNbSampleRateHz, 8000);
    EXPECT_EQ(kAmrWbSampleRateHz, 16000);
}

TEST_F(EncodingParamsTest, OneRecordPerFormatShared) {
    EXPECT_EQ(GetEncodingParams(-1), nullptr);
    EXPECT_EQ(GetEncodingParams(kFormatCount), nullptr);
    EXPECT_EQ(GetEncodingParams(-2147483647 - 1), nullptr);

    EncodingParams* first = GetEncodingParams(7);
    ASSERT_NE(first, nullptr);
    first->AudioBitrate = 9;
    EXPECT_EQ(GetEncodingParams(7), first);
    EXPECT_EQ(GetEncodingParams(6)->AudioBitrate, 6); // no field is shared between formats
}

TEST_F(EncodingParamsTest, PerFormatDefaultsOverTheCommonOnes) {
    struct Row {
        FormatId id;
        int audioCodec;
        int videoCodec;
        int width;
        int height;
        bool amr;
        int sampleRate = 4;
        int videoBitrate = 7;
    };
    const Row rows[] = {
        {0, 11, -1, 0, 0, false},
        {1, 1, -1, 0, 0, false},
        {2, 9, -1, 0, 0, true},
        {3, 1, -1, 0, 0, false},
        {4, 8, -1, 0, 0, false},
        {5, 11, -1, 0, 0, false},
        {6, 12, -1, 0, 0, false},
        {7, 12, -1, 0, 0, false},
        {8, 13, -1, 0, 0, false},
        {9, 3, -1, 0, 0, false},
        {10, 17, -1, 0, 0, false},
        {11, 9, 4, 176, 144, true},
        {12, 9, 4, 176, 144, true},
        {13, 12, 0, 0, 0, false},
        {14, 11, 0, 320, 240, false},
        {15, 11, 0, 320, 240, false},
        {16, 19, 3, 0, 0, false},
        {17, 11, 0, 0, 0, false},
        {18, 12, 6, 0, 0, false},
        {19, 12, 6, 0, 0, false},
        {20, 13, 1, 0, 0, false},
        // opus, webm (Opus with VP9) and mkv (AAC with H.264): 48000 Hz, 2048 kbit/s.
        {21, 20, -1, 0, 0, false, 5},
        {22, 20, 8, 0, 0, false, 5, 10},
        {23, 11, 0, 0, 0, false, 5, 10},
    };
    for (const Row& row : rows) {
        EncodingParams expected = CommonDefaults();
        expected.AudioCodec = row.audioCodec;
        expected.VideoCodec = row.videoCodec;
        expected.Width = row.width;
        expected.Height = row.height;
        expected.AudioSampleRate = row.sampleRate;
        expected.VideoBitrate = row.videoBitrate;
        if (row.amr) {
            // AMR records: mono narrow band at 12.2 kbit/s.
            expected.AudioChannel = 1;
            expected.AudioSampleRate = 0;
            expected.AudioBitrate = 7;
        }
        const EncodingParams* record = GetEncodingParams(row.id);
        ASSERT_NE(record, nullptr) << row.id;
        EXPECT_EQ(*record, expected) << row.id;
        EXPECT_EQ(BuiltInDefaults(row.id), expected) << row.id;
    }
    EXPECT_EQ(kAmrNbBitratesKbps.at(GetEncodingParams(2)->AudioBitrate), 12.2);
    EXPECT_EQ(GetEncodingParams(2)->AudioCodec, kAudioCodecAmrNb);
    EXPECT_EQ(GetEncodingParams(12)->VideoCodec, kVideoCodecH263);
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
