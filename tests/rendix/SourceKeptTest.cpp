// What a conversion keeps of the user's file: cover art, the tags users sort
// by, chapters and the way a phone's video stands. The sources are made the
// way users get them (lame with eyeD3, flac, opusenc with mkvmerge) and
// converted with the command lines the converter writes.
#include "RendixFixture.h"

#include "convert/CommandLineBuilder.h"
#include "convert/ProbeMediaFile.h"
#include "convert/ResolveEncoderValues.h"
#include "model/Catalogue.h"
#include "model/EncodingParams.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace velmont;

namespace {

bool Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The job the converter makes of a dropped file, with the format's built-in
// values, converted; returns the output's path.
std::string ConvertLikeTheConverter(const std::string& source, FormatId id) {
    JobItem job;
    job.inputPath = source;
    EXPECT_TRUE(ProbeMediaFile(source, job)) << source;
    job.formatId = id;
    ResolveEncoderValues(job, BuiltInDefaults(id));
    job.outputDirectory = RendixMedia::Out("");
    job.outputName = job.outputName + " " + GetFormatName(id);
    const auto arguments = BuildArguments(job);
    const RendixRun run = RunRendix(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("Warning"), std::string::npos) << run.output;
    return arguments.back();
}

// "03/12" and "3/12" are the same track.
std::string Numbers(const std::string& text) {
    const std::size_t slash = text.find('/');
    return std::to_string(std::atoi(text.c_str())) +
           (slash == std::string::npos ? "" : "/" + std::to_string(std::atoi(&text[slash + 1])));
}

class RendixSourceKept : public RendixMedia {
  protected:
    static std::string Made(const std::string& name) { return Folder() + "/" + name; }
    static void MakeCoverAndSound() {
        ASSERT_TRUE(Shell("ffmpeg -nostdin -y -f lavfi -i testsrc=s=64x64 -frames:v 1 '" +
                          Made("cover.jpg") + "'"));
        ASSERT_TRUE(Shell("sox -n -r 44100 -b 16 -c 2 '" + Made("tone.wav") +
                          "' synth 3 sine 440 vol 0.3"));
    }
};

} // namespace

TEST_F(RendixSourceKept, CoverAndSortTagsReachEveryContainerThatHoldsThem) {
    MakeCoverAndSound();
    const std::string song = Made("lame song.mp3");
    ASSERT_TRUE(Shell("lame --quiet -V 4 '" + Made("tone.wav") + "' '" + song + "'"));
    ASSERT_TRUE(Shell("eyeD3 --add-image '" + Made("cover.jpg") +
                      "':FRONT_COVER:Front -t Song -a Singer -A Record --genre Jazz "
                      "--text-frame TPE2:Band --track 3 --track-total 12 --disc-num 1 "
                      "--disc-total 2 --release-date 2007-05-01 '" +
                      song + "'"));
    const struct {
        FormatId id;
        bool holdsCover;
    } outputs[] = {{7, true},  {5, true},  {4, true},   {8, true},
                   {21, true}, {23, true}, {22, false}, {9, false}};
    for (const auto& output : outputs) {
        SCOPED_TRACE(GetFormatName(output.id));
        const std::string out = ConvertLikeTheConverter(song, output.id);
        EXPECT_EQ(CoverPictures(out), output.holdsCover ? 1 : 0);
        auto tags = SoundTags(out);
        EXPECT_EQ(tags["title"], "Song");
        EXPECT_EQ(tags["artist"], "Singer");
        EXPECT_EQ(tags["genre"], "Jazz");
        EXPECT_EQ(tags["date"], "2007-05-01");
        EXPECT_EQ(Numbers(tags["track"]), "3/12");
        EXPECT_EQ(tags["album"], "Record");
        EXPECT_EQ(tags.count("comment"), 0u) << "the picture's kind became a comment";
        if (output.id != 9) { // RIFF has no field for these
            EXPECT_EQ(tags["album_artist"], "Band");
            EXPECT_EQ(Numbers(tags["disc"]), "1/2");
        }
    }

    // FLAC keeps the total apart from the number.
    const std::string flac = Made("flac song.flac");
    ASSERT_TRUE(Shell("flac -s -f --picture='" + Made("cover.jpg") +
                      "' -T TITLE=Other -T TRACKNUMBER=5 -T TRACKTOTAL=10 -o '" + flac + "' '" +
                      Made("tone.wav") + "'"));
    const std::string m4a = ConvertLikeTheConverter(flac, 5);
    EXPECT_EQ(CoverPictures(m4a), 1);
    EXPECT_EQ(SoundTags(m4a)["track"], "5/10");
}

TEST_F(RendixSourceKept, ChaptersAndTheCoverOfAMatroskaFileAreKept) {
    MakeCoverAndSound();
    const std::string opus = Made("tone.opus"), chapters = Made("chapters.txt");
    ASSERT_TRUE(Shell("opusenc --quiet --title Talk '" + Made("tone.wav") + "' '" + opus + "'"));
    std::ofstream(chapters) << "CHAPTER01=00:00:00.000\nCHAPTER01NAME=Intro\n"
                               "CHAPTER02=00:00:01.500\nCHAPTER02NAME=Main part\n";
    const std::string mkv = Made("talk.mkv");
    ASSERT_TRUE(Shell("mkvmerge -q -o '" + mkv + "' --chapters '" + chapters +
                      "' --attachment-mime-type image/jpeg --attach-file '" + Made("cover.jpg") +
                      "' '" + opus + "'"));
    for (FormatId id : {7, 5, 4, 21}) {
        SCOPED_TRACE(GetFormatName(id));
        const std::string out = ConvertLikeTheConverter(mkv, id);
        EXPECT_EQ(ChapterList(out), "0.0 Intro\n1.5 Main part\n");
        EXPECT_EQ(CoverPictures(out), 1);
    }
    // A later start moves the chapters with it.
    const RendixRun run = RunRendix({"-i", mkv, "-y", "-ss", "1", Out("later.m4a")});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ChapterList(Out("later.m4a")), "0.0 Intro\n0.5 Main part\n");
}

TEST_F(RendixSourceKept, UprightPhoneVideoStaysUpright) {
    // Stored sideways, white on the left, with a matrix saying "turn it a
    // quarter clockwise": shown upright, white on top.
    const std::string phone = Made("phone.mp4");
    ASSERT_TRUE(Shell("ffmpeg -nostdin -y -f lavfi -i color=white:s=160x180:d=1 -f lavfi -i "
                      "color=black:s=160x180:d=1 -f lavfi -i sine=d=1 -filter_complex "
                      "'[0][1]hstack' -c:v libx264 -preset ultrafast -c:a aac -shortest '" +
                      phone + "'"));
    std::fstream file(phone, std::ios::in | std::ios::out | std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    const std::size_t tkhd = bytes.find("tkhd"); // the video's: it comes first
    ASSERT_NE(tkhd, std::string::npos);
    const unsigned char turn[36] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0xff, 0xff, 0,    0, 0, 0,
                                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,    0x40, 0, 0, 0};
    file.seekp(static_cast<std::streamoff>(tkhd + 44)); // the matrix of a version 0 box
    file.write(reinterpret_cast<const char*>(turn), sizeof turn);
    file.close();
    ASSERT_EQ(DisplayRotation(phone), -90);

    // The built-in mp4 size applies to the picture as shown.
    const std::string mp4 = ConvertLikeTheConverter(phone, kFormatMp4);
    const ProbedMedia m = ProbeMedia(mp4);
    EXPECT_EQ(m.at("video.width") + "x" + m.at("video.height"), "320x240");
    EXPECT_EQ(DisplayRotation(mp4), 0) << "a player would turn it twice";
    EXPECT_GT(LumaOfRows(mp4, 10, 60), 200);
    EXPECT_LT(LumaOfRows(mp4, 170, 60), 40);
    for (const char* name : {"phone.mkv", "phone.webm"}) {
        const RendixRun run = RunRendix({"-i", phone, "-y", Out(name)});
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const ProbedMedia shown = ProbeMedia(Out(name));
        EXPECT_EQ(shown.at("video.width") + "x" + shown.at("video.height"), "180x320") << name;
        EXPECT_GT(LumaOfRows(Out(name), 10, 140), 200) << name;
        EXPECT_LT(LumaOfRows(Out(name), 170, 140), 40) << name;
    }
}
