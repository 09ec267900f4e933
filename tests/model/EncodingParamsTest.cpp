#include "model/EncodingParams.h"
#include "model/Catalogue.h"
#include "model/EncodingSettings.h"
#include "platform/ModuleDirectory.h"

#include <gtest/gtest.h>

using namespace velmont;

namespace {

// The defaults every format starts from, spelt out field by field.
EncodingParams CommonDefaults() {
    // In field order: codecs, size, scale, rate, bitrates and VBR, video switch, crop, pad,
    // audio channel, rate, bitrate, volume and switch, aspect, folder.
    return {-1, -1, 0,    0, 4, 0,   7,    1,  false,
            3,  3,  true, 0, 0, 0,   0,    0,  0,
            0,  0,  2,    4, 6, 256, true, -1, GetModuleDirectory() + "output"};
}

} // namespace

TEST(EncodingParamsTest, ResetToDefaultsWritesEveryCommonDefault) {
    EncodingParams record{5, 5, 1, 1, 9, 3, 1, 2, true, 9, 9,     false, 8,  8,
                          8, 8, 8, 8, 8, 8, 1, 0, 0,    0, false, 1,     "x"};
    ResetToDefaults(record);
    EXPECT_EQ(record, CommonDefaults());
    EXPECT_EQ(DefaultOutputDirectory(), GetModuleDirectory() + "output");
    EXPECT_EQ(BuiltInDefaults(-1), CommonDefaults());
    EXPECT_EQ(BuiltInDefaults(kFormatCount), CommonDefaults());
}

TEST(EncodingSettingsTest, OneRecordPerFormatAtItsBuiltInDefaults) {
    EncodingSettings settings;
    EXPECT_EQ(settings.GetEncodingParams(-1), nullptr);
    EXPECT_EQ(settings.GetEncodingParams(kFormatCount), nullptr);
    EXPECT_EQ(settings.GetEncodingParams(-2147483647 - 1), nullptr);
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(*settings.GetEncodingParams(id), BuiltInDefaults(id)) << id;
    // Each format's own codecs, size and rates are converted and probed by
    // Rendix's default-line cases; here only what they cannot see.
    EXPECT_EQ(kAmrNbBitratesKbps.at(settings.GetEncodingParams(2)->audioBitrateIndex), 12.2);
    EXPECT_EQ(settings.GetEncodingParams(2)->audioCodecIndex, kAudioCodecAmrNb);
    EXPECT_EQ(settings.GetEncodingParams(12)->videoCodecIndex, kVideoCodecH263);
}

TEST(EncodingSettingsTest, RecordsAreIndependentValues) {
    EncodingSettings settings;
    const EncodingSettings untouched;
    settings.GetEncodingParams(7)->audioBitrateIndex = 9;
    EXPECT_EQ(settings.GetEncodingParams(6)->audioBitrateIndex,
              6); // no field is shared between formats
    EXPECT_EQ(untouched.GetEncodingParams(7)->audioBitrateIndex, 6); // nor between two settings
    settings.SetOutputDirAll("/srv/out");
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(settings.GetEncodingParams(id)->outputDir, "/srv/out") << id;
    settings.ResetToBuiltIn(7);
    EXPECT_EQ(*settings.GetEncodingParams(7), BuiltInDefaults(7));
}
