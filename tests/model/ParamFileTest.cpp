#include "SettingsFixture.h"

#include "model/Catalogue.h"
#include "model/ParamFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <utility>

using namespace velmont;

namespace {

using ParamFile = SettingsFixture;

std::string InParam(const std::string& children, const std::string& root = "root") {
    return "<?xml version=\"1.0\"?>\n<" + root + ">\n<param>\n" + children + "\n</param>\n</" +
           root + ">\n";
}

void ExpectAllDefaults(const EncodingSettings& settings) {
    EXPECT_EQ(settings, EncodingSettings());
}

} // namespace

TEST_F(ParamFile, MissingOrUnusableFilesLeaveEveryDefault) {
    std::filesystem::create_directory(PathOf("folder.ini")); // a folder where the file should be
    ASSERT_EQ(mkfifo(PathOf("fifo.ini").c_str(), 0600), 0);  // used to block start-up for ever
    Write("big.ini", InParam("<mp3 AudioCodec=\"3\"/>") + std::string(1024 * 1024, ' '));
    for (const std::string& path : {PathOf("no-such-param.ini"), PathOf("folder.ini"),
                                    PathOf("fifo.ini"), PathOf("big.ini")}) {
        LoadParamFileFrom(path, settings_);
        ExpectAllDefaults(settings_);
    }
    // Malformed files give nothing, not even their well-formed beginning.
    for (const char* text : {"", "<?xml version=\"1.0\"?>\n<!-- nothing -->\n",
                             "<root><pos X=\"5\"/><param><mp3 AudioCodec=\"3\"/></param>",
                             "<root><param><mp3 AudioCodec=\"3\"></param></root>"}) {
        LoadParam(text);
        ExpectAllDefaults(settings_);
    }
    LoadParam("<root><pos X=\"1\"/></root>"); // no param element
    ExpectAllDefaults(settings_);
}

TEST_F(ParamFile, AnyRootFirstElementWinsOtherNodesAndCasesAreIgnored) {
    LoadParam("<anything>text<!-- c --><other><mp3 AudioBitrate=\"1\"/></other>"
              "<param>more<!-- c --><MP3 AudioBitrate=\"2\"/><junk/>"
              "<mp3 audiobitrate=\"3\" AudioVolume=\"7\"/><mp3 AudioVolume=\"5\"/>"
              "<wav AudioBitrate=\"9\"/></param></anything>");
    EXPECT_EQ(Record(7).audioBitrateIndex, 6);
    EXPECT_EQ(Record(7).audioVolume, 7);
    EXPECT_EQ(Record(9).audioBitrateIndex, 9);
}

// Audio formats (bar m4a) skip the video attributes.
TEST_F(ParamFile, OnlyVideoFormatsAndM4aReadVideoAttributes) {
    const std::pair<const char*, FormatId> elements[] = {
        {"aac", 0}, {"amr", 2}, {"mp3", 7}, {"opus", 21}, {"m4a", 5}, {"webm", 22}, {"mkv", 23}};
    std::string children;
    for (const auto& [name, id] : elements)
        children += std::string("<") + name +
                    " AudioVolume=\"300\" VideoBitrate=\"2\" Width=\"640\" EnableVideo=\"false\"/>";
    LoadParam(InParam(children));
    for (const auto& [name, id] : elements) {
        EncodingParams expected = BuiltInDefaults(id);
        expected.audioVolume = 300;
        if (id == 5 || IsVideoFormat(id)) {
            expected.videoBitrateIndex = 2;
            expected.width = 640;
            expected.videoEnabled = false;
        }
        EXPECT_EQ(Record(id), expected) << name;
    }
}

TEST_F(ParamFile, ThreeGpcIsThreeG2AndThreeGpIsItsOwn) {
    LoadParam(InParam("<3gpc Width=\"100\"/><3gp Width=\"200\"></3gp><3g2 Width=\"300\"/>"
                      "<mp3 AudioVolume=\"9\"/>"));
    EXPECT_EQ(Record(11).width, 100);
    EXPECT_EQ(Record(12).width, 200);
    // Names with a leading digit do not cost the file its other settings.
    EXPECT_EQ(Record(7).audioVolume, 9);

    // Nor are they found in comments, text or attribute values.
    settings_ = {};
    LoadParam(InParam("<!-- <3gp Width=\"1\"/> --><![CDATA[<3gp Width=\"2\"/>]]>"
                      "<3gpc OutputDir=\"a>3 '<3gp'\" Width='7'/>"));
    EXPECT_EQ(Record(12), BuiltInDefaults(12));
    EXPECT_EQ(Record(11).outputDir, "a>3 '<3gp'");
    EXPECT_EQ(Record(11).width, 7);
}

TEST_F(ParamFile, OggAndM4vAreNeverRead) {
    LoadParam(InParam("<ogg OutputDir=\"/x\"/><m4v OutputDir=\"/x\"/><8 OutputDir=\"/x\"/>"
                      "<14 OutputDir=\"/x\"/><mp3 OutputDir=\"/x\"/>"));
    EXPECT_EQ(Record(8), BuiltInDefaults(8));
    EXPECT_EQ(Record(14), BuiltInDefaults(14));
    EXPECT_EQ(Record(7).outputDir, "/x");
    EXPECT_EQ(FormatElementName(8), nullptr);
    EXPECT_EQ(FormatElementName(14), nullptr);
}

TEST_F(ParamFile, EveryAttributeReachesItsField) {
    // Each integer attribute gets its own value: 101, 102, ...
#define FIELD(attribute, member)                                                                   \
    { attribute, &EncodingParams::member }
    const std::pair<const char*, int EncodingParams::*> integers[] = {
        FIELD("AudioCodec", audioCodecIndex),
        FIELD("AudioChannel", audioChannels),
        FIELD("AudioSampleRate", audioSampleRateIndex),
        FIELD("AudioBitrate", audioBitrateIndex),
        FIELD("AudioVolume", audioVolume),
        FIELD("VideoCodec", videoCodecIndex),
        FIELD("Width", width),
        FIELD("Height", height),
        FIELD("Quantizer_Scale", quantizerScale),
        FIELD("FrameRate", frameRateIndex),
        FIELD("VideoBitrate", videoBitrateIndex),
        FIELD("Pass", passes),
        FIELD("VideoMinBitrate", videoMinBitrateIndex),
        FIELD("VideoMaxBitrate", videoMaxBitrateIndex),
        FIELD("CropLeft", cropLeft),
        FIELD("CropTop", cropTop),
        FIELD("CropRight", cropRight),
        FIELD("CropBottom", cropBottom),
        FIELD("PaddingLeft", paddingLeft),
        FIELD("PaddingTop", paddingTop),
        FIELD("PaddingRight", paddingRight),
        FIELD("PaddingBottom", paddingBottom),
        FIELD("AspectRatio", aspectRatio)};
#undef FIELD
    std::string attributes = "OutputDir=\"/videos/avi\" EnableAudio=\"false\" "
                             "EnableVBR=\"true\" EnableVideo=\"false\"";
    EncodingParams expected = BuiltInDefaults(13);
    expected.outputDir = "/videos/avi";
    expected.audioEnabled = false;
    expected.vbrEnabled = true;
    expected.videoEnabled = false;
    int value = 100;
    for (const auto& [name, field] : integers) {
        attributes += " " + std::string(name) + "=\"" + std::to_string(++value) + "\"";
        expected.*field = value;
    }
    LoadParam(InParam("<avi " + attributes + "/>"));
    EXPECT_EQ(Record(13), expected);
    for (FormatId id = 0; id < kFormatCount; ++id) {
        if (id != 13) {
            EXPECT_EQ(Record(id), BuiltInDefaults(id)) << id; // the others keep their defaults
        }
    }
}

TEST_F(ParamFile, ValuesAreReadLikeAtoiFirstTAndAsTheyStand) {
    // The parsing itself is checked in SettingsValueParsingTest.
    LoadParam(InParam("<mp3 AudioBitrate=\"128k\" OutputDir=\"\"/><aac EnableAudio=\"True\"/>"
                      "<mp4 AudioCodec=\"99999999999999\" VideoCodec=\"-99999999999999999999\"/>"
                      "<mov EnableVBR=\"tomato\"/><wav OutputDir=\" /a b/&amp;c/ \"/>"));
    EXPECT_EQ(Record(7).audioBitrateIndex, 128);
    EXPECT_FALSE(Record(0).audioEnabled);
    EXPECT_TRUE(Record(17).vbrEnabled);
    EXPECT_EQ(Record(7).outputDir, "");
    EXPECT_EQ(Record(9).outputDir, " /a b/&c/ ");
    // Out-of-table ids still have no name instead of reading past a table.
    EXPECT_EQ(AudioCodecName(Record(15).audioCodecIndex), "");
    EXPECT_EQ(VideoCodecName(Record(15).videoCodecIndex), "");
}

// The user's file holds what differs from the built-in and administrator's
// values (a value reset to built-in over the administrator's among them)
// and keeps whatever else it carried; the administrator's file is only read.
TEST_F(ParamFile, SavingKeepsTheDifferencesAndEverythingElseOfTheUsersFile) {
    const std::string admin =
        Write("admin.ini", InParam("<mp3 AudioVolume=\"300\"/><3gp VideoBitrate=\"2\"/>"));
    const std::string user =
        Write("user.ini", "<root><pos X=\"1\"/><param><mp3 OutputDir=\"/mine\" AudioBitrate=\"1\"/>"
                          "<other/></param></root>");
    const ParamFilePaths paths{admin, user};
    LoadParamFiles(paths, settings_);
    settings_.GetEncodingParams(kFormatMp3)->audioBitrateIndex = 9;
    settings_.ResetToBuiltIn(12);
    settings_.Batch() = {3, true};
    ASSERT_TRUE(SaveUserParamFile(paths, settings_));

    EncodingSettings next;
    LoadParamFiles(paths, next);
    EXPECT_EQ(next, settings_);
    const std::string text = Read(user);
    for (const char* kept : {"<pos X=\"1\"/>", "<other/>", "OutputDir=\"/mine\"", "<3gp "})
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    EXPECT_EQ(text.find("AudioVolume"), std::string::npos); // the administrator's value
    EXPECT_EQ(Read(admin), InParam("<mp3 AudioVolume=\"300\"/><3gp VideoBitrate=\"2\"/>"));

    Write("user.ini", "<root><param>"); // not XML: kept aside, then replaced
    ASSERT_TRUE(SaveUserParamFile(paths, settings_));
    EXPECT_EQ(Read(user + ".bak"), "<root><param>");
    std::filesystem::remove(user);
    std::filesystem::create_directory(user);
    EXPECT_FALSE(SaveUserParamFile(paths, settings_));
}
