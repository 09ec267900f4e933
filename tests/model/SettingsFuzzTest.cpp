#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace velmont;

namespace {

using SettingsFuzz = SettingsFixture;

const std::string kValidParam = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- settings -->
<root>
  <pos X="10" Y="20"/>
  <param>
    <mp3 AudioCodec="12" AudioBitrate="128k" EnableAudio="true" OutputDir="/music &amp; more"/>
    <3gpc VideoCodec="4" Width="176" Height="144"/>
    <3gp VideoCodec="5" Width='352' Height="288"></3gp>
    <m4a VideoBitrate="3" EnableVideo="t"/>
    <avi CropLeft="8" PaddingBottom="-4" AspectRatio="1"><![CDATA[<3gp/>]]></avi>
    <mp4 Quantizer_Scale="99999999999999999" FrameRate=" 2"/>
  </param>
</root>
)";

// Invariants no param.ini can break: 8 and 14 are never read, and the
// audio group never takes video values.
void ExpectUnreadFieldsUntouched(const EncodingSettings& settings, const std::string& input) {
    EXPECT_EQ(*settings.GetEncodingParams(8), BuiltInDefaults(8)) << input;
    EXPECT_EQ(*settings.GetEncodingParams(14), BuiltInDefaults(14)) << input;
    for (FormatId id : {0, 1, 2, 3, 4, 6, 7, 9, 10}) {
        EncodingParams expected = BuiltInDefaults(id);
        const EncodingParams& record = *settings.GetEncodingParams(id);
        expected.outputDir = record.outputDir;
        expected.audioCodecIndex = record.audioCodecIndex;
        expected.audioChannels = record.audioChannels;
        expected.audioSampleRateIndex = record.audioSampleRateIndex;
        expected.audioBitrateIndex = record.audioBitrateIndex;
        expected.audioVolume = record.audioVolume;
        expected.audioEnabled = record.audioEnabled;
        EXPECT_EQ(record, expected) << id << " from " << input;
    }
}

class Fuzzer {
  public:
    std::string RandomBytes() {
        std::string bytes(Below(300), '\0');
        for (char& c : bytes)
            c = static_cast<char>(Below(256));
        return bytes;
    }

    // Random sequences of XML-ish tokens reach deeper into the parser.
    std::string RandomTokens() {
        // clang-format off
        static const char* const tokens[] = {
            "<", ">", "/", "/>", "</", "=", "\"", "'", " ", "\n", "<!--", "-->", "<![CDATA[",
            "]]>", "<?xml version=\"1.0\"?>", "?>", "<!DOCTYPE x [", "&amp;", "&#", "&#x41;", "&",
            "root", "param", "pos", "X", "Y", "mp3", "3gp", "3gpc", "m4a", "ogg", "OutDir",
            "directory", "AudioBitrate", "Width", "EnableVBR", "0", "9", "-", "t", "\xc3\xa9",
            "\xff", ""};
        // clang-format on
        std::string text;
        for (std::size_t n = Below(80); n > 0; --n) {
            const char* token = tokens[Below(std::size(tokens))];
            text += *token ? std::string(token) : std::string(1, '\0');
        }
        return text;
    }

    std::string Mutated(std::string text) {
        for (std::size_t n = 1 + Below(4); n > 0; --n) {
            const std::size_t at = Below(text.size() + 1);
            switch (Below(3)) {
            case 0:
                text.insert(at, 1, static_cast<char>(Below(256)));
                break;
            case 1:
                if (at < text.size())
                    text.erase(at, 1 + Below(8));
                break;
            default:
                if (at < text.size())
                    text[at] = "<>/\"'=&!?- 3t\0"[Below(14)];
                break;
            }
        }
        return text;
    }

  private:
    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }
    std::mt19937 random_{20261206};
};

} // namespace

TEST_F(SettingsFuzz, ValidParamLoads) {
    LoadParam(kValidParam);
    EXPECT_EQ(Record(15).frameRateIndex, 2); // the last element was reached
    ExpectUnreadFieldsUntouched(settings_, kValidParam);
}

TEST_F(SettingsFuzz, BrokenInputNeverCrashesTheLoaders) {
    Fuzzer fuzzer;
    std::vector<std::string> inputs;
    for (std::size_t length = 0; length <= kValidParam.size(); length += 3)
        inputs.push_back(kValidParam.substr(0, length));
    for (int i = 0; i < 150; ++i)
        inputs.push_back(fuzzer.RandomBytes());
    for (int i = 0; i < 150; ++i)
        inputs.push_back(fuzzer.RandomTokens());
    for (int i = 0; i < 250; ++i)
        inputs.push_back(fuzzer.Mutated(kValidParam));
    inputs.push_back(std::string(100000, '<'));
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<a>";
    inputs.push_back(deep);
    inputs.push_back("<root><param><mp3 OutputDir=\"" + std::string(200000, 'x') +
                     "\"/></param></root>");

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string& input = inputs[i];
        LoadParam(input);
        ExpectUnreadFieldsUntouched(settings_, input);
        settings_ = {};

        // Some of the same bytes as record.ini (saving rewrites the file,
        // which is slow): reading is silent, and after saving the directory
        // always reads back.
        if (i % 8 != 0)
            continue;
        const std::string record = Write("record.ini", input);
        LoadOutputDirectoryFrom(record);
        ASSERT_TRUE(SaveOutputDirectoryTo(record, "/fuzz dir")) << input;
        ASSERT_EQ(LoadOutputDirectoryFrom(record), "/fuzz dir") << input;
    }
}
