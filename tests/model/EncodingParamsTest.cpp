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

// Each format's own codecs, size and rates are converted and probed by
// Rendix's default-line cases; here only what they cannot see.
TEST_F(EncodingParamsTest, AmrRecordsAreNarrowBandAt12k2AndBuiltInsMatchTheRecords) {
    EXPECT_EQ(kAmrNbBitratesKbps.at(GetEncodingParams(2)->AudioBitrate), 12.2);
    EXPECT_EQ(GetEncodingParams(2)->AudioCodec, kAudioCodecAmrNb);
    EXPECT_EQ(GetEncodingParams(12)->VideoCodec, kVideoCodecH263);
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(*GetEncodingParams(id), BuiltInDefaults(id)) << id;
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
