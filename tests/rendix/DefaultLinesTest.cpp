// Every output format converted with the command line its built-in
// parameters give, then probed.
#include "RendixFixture.h"

#include "convert/CommandLineBuilder.h"
#include "convert/ResolveEncoderValues.h"
#include "model/Catalogue.h"
#include "model/EncodingParams.h"

#include <fstream>
#include <iterator>

using namespace velmont;

namespace {

const char* const kTitle = "Velmont \"Test\" Title";
const char* const kAuthor = "Ünïcode Artist";

// The command line the converter writes for a job with the format's
// built-in parameters, into the test's output folder.
std::vector<std::string> DefaultArguments(FormatId id, const std::string& input,
                                          bool inputHasVideo) {
    JobItem job;
    job.inputPath = input;
    job.formatId = id;
    job.hasAudio = true;
    job.hasVideo = inputHasVideo;
    job.title = kTitle;
    job.author = kAuthor;
    job.album = "The Album";
    job.track = 7;
    ResolveEncoderValues(job, BuiltInDefaults(id));
    job.outputDirectory = RendixMedia::Out("");
    job.outputName = "default " + GetFormatName(id);
    return BuildArguments(job);
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

class RendixDefaultLine : public RendixMedia, public ::testing::WithParamInterface<DefaultLine> {};

} // namespace

TEST_P(RendixDefaultLine, ConvertsAndTheOutputHoldsWhatWasAskedFor) {
    const DefaultLine& line = GetParam();
    const bool video = line.want.videoCodec != nullptr;
    const auto arguments = DefaultArguments(line.id, video ? VideoInput() : AudioInput(), video);
    ProbedMedia m = ExpectConverted(RunRendix(arguments), arguments.back(), line.want);
    // VP9 codes at the -qscale quality, far below the -b rate.
    EXPECT_TRUE(line.id != kFormatWebm || Number(m, "format.bit_rate") < 1000000);
    if (line.id == 11 || line.id == 12) {
        // libavformat does not read 3GPP's own tag boxes back; look for the title's bytes.
        std::ifstream file(arguments.back(), std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        EXPECT_NE(bytes.find(kTitle), std::string::npos);
    } else if (line.holdsTags) {
        EXPECT_EQ(m["tags.title"], kTitle);
        EXPECT_EQ(m.count("tags.artist") ? m["tags.artist"] : m["tags.author"], kAuthor);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, RendixDefaultLine, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return "Format" + GetFormatName(info.param.id); });
