// velmont-cli run as a process on media the tests generate, checked the way
// a user or a script would: exit status, messages, the files written.
#include "CliRun.h"
#include "MediaTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <random>

namespace velmont::test {
namespace {

namespace fs = std::filesystem;

// stdout of a command, e.g. ffprobe's.
std::string Capture(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        ::pclose(pipe);
    }
    return text;
}

std::string ProbeStreams(const std::string& path) {
    return Capture("ffprobe -v error -show_entries format=format_name:stream=codec_name -of "
                   "csv=p=0 '" +
                   path + "' | tr '\\n' ' '");
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Whether any process still names the folder on its command line.
bool ProcessUses(const std::string& folder) {
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string cmdline = ReadWholeFile(entry.path().string() + "/cmdline");
        if (cmdline.find(folder) != std::string::npos &&
            cmdline.find("Rendix") != std::string::npos)
            return true;
    }
    return false;
}

class CliTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        media_ = std::make_unique<TempFolder>();
        ASSERT_TRUE(MakeMedia("-f lavfi -i testsrc=d=0.5:s=64x48:r=10 -f lavfi -i sine=d=0.5 "
                              "-shortest -c:v mpeg4 -c:a pcm_s16le " +
                              Source("clip.avi")));
        ASSERT_TRUE(MakeMedia("-f lavfi -i sine=d=0.5 " + Source("tone.wav")));
        ASSERT_TRUE(WriteWholeFile(Source("broken.mp3"), "not audio at all"));
    }
    static void TearDownTestSuite() { media_.reset(); }
    static std::string Source(const std::string& name) { return media_->Path(name); }

    void SetUp() override { ASSERT_TRUE(work_.Valid()); }
    std::string Out() const { return work_.Path("out"); }

    static std::unique_ptr<TempFolder> media_;
    TempFolder work_;
};

std::unique_ptr<TempFolder> CliTest::media_;

TEST_F(CliTest, EveryFormatByItsName) {
    // format, then what ffprobe reads back: streams' codecs and the container.
    const std::vector<std::pair<std::string, std::string>> table = {
        {"aac", "aac aac"},
        {"aiff", "pcm_s16be aiff"},
        {"amr", "amr_nb amr"},
        {"au", "pcm_s16be au"},
        {"flac", "flac flac"},
        {"m4a", "aac \"mov,mp4,m4a,3gp,3g2,mj2\""},
        {"mp2", " mp3"}, // the mp3 demuxer reads both layers
        {"mp3", "mp3 mp3"},
        {"ogg", "vorbis ogg"},
        {"wav", "pcm_s16le wav"},
        {"wma", "wmav2 asf"},
        {"3g2", "h263 amr_nb \"mov,mp4,m4a,3gp,3g2,mj2\""},
        {"3gp", "h263 amr_nb \"mov,mp4,m4a,3gp,3g2,mj2\""},
        {"avi", "h264 mp3 avi"},
        {"m4v", "h264 aac \"mov,mp4,m4a,3gp,3g2,mj2\""},
        {"mp4", "h264 aac \"mov,mp4,m4a,3gp,3g2,mj2\""},
        {"mpg", "mpeg1video mp2 mpeg"},
        {"mov", "h264 aac \"mov,mp4,m4a,3gp,3g2,mj2\""},
        {"flv", "mp3 flv1 flv"},
        {"swf", "mp3 flv1 swf"},
        {"nut", "mpeg4 vorbis nut"},
        {"opus", "opus ogg"},
        {"webm", "vp9 opus \"matroska,webm\""},
        {"mkv", "h264 aac \"matroska,webm\""},
    };
    ASSERT_EQ(table.size(), 24u);
    for (const auto& [format, expected] : table) {
        const CliResult run = RunCli({"-q", "-f", format, "-o", Out(), Source("clip.avi")});
        EXPECT_EQ(run.exitCode, 0) << format << ": " << run.err;
        EXPECT_NE(ProbeStreams(Out() + "/clip." + format).find(expected), std::string::npos)
            << format << ": " << ProbeStreams(Out() + "/clip." + format);
    }
}

TEST_F(CliTest, FolderInNaturalOrderAndTheExistingOutputPolicies) {
    const std::string folder = work_.Path("in");
    fs::create_directory(folder);
    for (const char* name : {"t10.wav", "t2.wav"})
        fs::copy_file(Source("tone.wav"), folder + "/" + name);
    WriteWholeFile(folder + "/notes.txt", "not media");

    CliResult run = RunCli({"--json", "-f", "mp3", "-o", Out(), folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::size_t t2 =
        run.out.find("\"event\":\"finished\",\"file\":0,\"input\":\"" + folder +
                     "/t2.wav\",\"output\":\"" + Out() + "/t2.mp3\",\"outcome\":\"converted\"");
    const std::size_t t10 = run.out.find("\"file\":1,\"input\":\"" + folder + "/t10.wav\"");
    EXPECT_NE(t2, std::string::npos) << run.out;
    EXPECT_NE(t10, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("{\"event\":\"started\",\"file\":0,"), std::string::npos);

    run = RunCli({"-f", "mp3", "-o", Out(), folder});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(Out() + "/t10.mp3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(Out() + "/t2.mp3"), std::string::npos) << run.err;

    EXPECT_EQ(RunCli({"--skip", "-f", "mp3", "-o", Out(), folder}).exitCode, 0);
    EXPECT_EQ(FilesIn(Out()), (std::vector<std::string>{"t10.mp3", "t2.mp3"}));
    EXPECT_EQ(RunCli({"--keep-both", "-f", "mp3", "-o", Out(), folder + "/t2.wav"}).exitCode, 0);
    EXPECT_EQ(RunCli({"--overwrite", "-f", "mp3", "-o", Out(), folder + "/t2.wav"}).exitCode, 0);
    EXPECT_EQ(FilesIn(Out()), (std::vector<std::string>{"t10.mp3", "t2 (2).mp3", "t2.mp3"}));
}

// Every file below the folder, as "sub/dir/name", sorted.
std::vector<std::string> TreeOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (!entry.is_directory())
            names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(CliTest, RecursiveKeepsTheTreeAndNeverWritesThroughAPlantedLink) {
    const std::string in = work_.Path("in");
    const std::string elsewhere = work_.Path("elsewhere");
    for (const std::string& folder : {in + "/Artist 03/Album 07", in + "/.hidden", elsewhere})
        fs::create_directories(folder);
    for (const std::string& file : {in + "/top.wav", in + "/Artist 03/Album 07/track1.wav",
                                    in + "/.hidden/secret.wav", elsewhere + "/linked.wav"})
        fs::copy_file(Source("tone.wav"), file);
    fs::create_directory_symlink(elsewhere, in + "/Linked");

    EXPECT_EQ(RunCli({"-q", "-f", "mp3", "-o", Out(), in}).exitCode, 0);
    EXPECT_EQ(TreeOf(Out()), (std::vector<std::string>{"top.mp3"}));
    CliResult run = RunCli({"-q", "-r", "--overwrite", "-f", "mp3", "-o", Out(), in});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(TreeOf(Out()),
              (std::vector<std::string>{"Artist 03/Album 07/track1.mp3", "top.mp3"}));

    fs::remove_all(Out());
    fs::create_directory(Out());
    fs::create_directory_symlink(elsewhere, Out() + "/Artist 03");
    run = RunCli({"-q", "-r", "-f", "mp3", "-o", Out(), in});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("track1.wav failed: Cannot create the folder"), std::string::npos)
        << run.err;
    EXPECT_EQ(TreeOf(elsewhere), (std::vector<std::string>{"linked.wav"}));
    EXPECT_TRUE(fs::exists(Out() + "/top.mp3"));
}

TEST_F(CliTest, VersionPrintsAndTheManualDocumentsTheJsonEvents) {
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("velmont-cli 1.", 0), 0u) << version.out;
    const std::string manual = RunCli({"--man"}).out;
    for (const char* field : {"started", "progress", "finished", "outcome", "secondsLeft"})
        EXPECT_NE(manual.find(field), std::string::npos) << field;
}

TEST_F(CliTest, BadOptionsAreRefusedBeforeAnythingRuns) {
    const std::string tone = Source("tone.wav");
    const std::vector<std::pair<std::vector<std::string>, std::string>> table = {
        {{"-f", "xyz", tone}, "--format: \"xyz\" is not allowed; choose one of: aac, aiff"},
        {{"-f", "mp4", "--size", "12", Source("clip.avi")}, "--size: \"12\""},
        {{"-f", "mp3", "--audio-bitrate", "abc", tone}, "--audio-bitrate: \"abc\" is not allowed"},
        {{"-f", "mp3", "--audio-bitrate", "100k", tone}, "32k, 48k, 64k, 80k, 96k, 112k, 128k"},
        {{"-f", "mp4", "--video-bitrate", "1200k", tone}, "1024k, 1500k"},
        {{"-f", "mp3", "--video-codec", "libx264", tone}, "--video-codec: the format mp3"},
        {{"-f", "mp3", "--bogus", tone}, "unknown option --bogus"},
        {{"-f", "mp3", "--jobs", "0", tone}, "--jobs"},
        {{"-f", "mp3", "--output-name", "x", tone, tone}, "--output-name"},
        {{"-f", "mp3", work_.Path("missing.wav")}, "no such file or folder"},
        {{"-f", "mp3", "--skip", "--overwrite", tone}, "exclude each other"},
        {{tone}, "--format is missing"},
    };
    for (const auto& [arguments, message] : table) {
        std::vector<std::string> all = arguments;
        all.insert(all.end(), {"-o", Out()});
        const CliResult run = RunCli(all);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(Out()));
}

TEST_F(CliTest, AFailingInputIsNamedAndTheOthersConvert) {
    const CliResult run = RunCli(
        {"-f", "ogg", "-o", Out(), Source("tone.wav"), Source("broken.mp3"), Source("clip.avi")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("velmont-cli: " + Source("broken.mp3") + " failed: "), std::string::npos)
        << run.err;
    EXPECT_EQ(FilesIn(Out()), (std::vector<std::string>{"clip.ogg", "tone.ogg"}));
}

TEST_F(CliTest, CtrlCStopsTheBatchAndLeavesNothingBehind) {
    const std::string longClip = work_.Path("long.avi");
    ASSERT_TRUE(
        MakeMedia("-f lavfi -i testsrc=d=20:s=320x240:r=25 -c:v mpeg4 -q:v 10 " + longClip));
    CliProcess cli({"--json", "-f", "webm", "-o", Out(), longClip, Source("clip.avi")});
    std::string line;
    bool running = false;
    while (!running && cli.ReadLine(line))
        running = line.find("\"event\":\"progress\"") != std::string::npos;
    ASSERT_TRUE(running);
    ::kill(cli.Pid(), SIGINT);
    const CliResult run = cli.Finish();
    EXPECT_EQ(run.exitCode, 130) << run.err;
    EXPECT_TRUE(FilesIn(Out()).empty());
    EXPECT_FALSE(ProcessUses(Out()));
}

TEST_F(CliTest, KilledAtAnyMomentTheOldFileIsWholeOrWhollyReplaced) {
    const std::string song = work_.Path("song.wav");
    ASSERT_TRUE(MakeMedia("-f lavfi -i sine=d=30:r=44100 " + song));
    fs::create_directories(Out());
    const std::string target = Out() + "/song.mp3";
    const std::string old = "the user's own song.mp3";
    std::mt19937 random{std::random_device{}()};
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(WriteWholeFile(target, old));
        CliProcess cli({"-q", "--overwrite", "-f", "mp3", "-o", Out(), song});
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 400000)(random));
        ::kill(cli.Pid(), SIGKILL);
        cli.Finish();
        // Its encoder follows it out, removing what it had not finished.
        for (int wait = 0; wait < 200 && ProcessUses(Out()); ++wait)
            ::usleep(10000);
        EXPECT_FALSE(ProcessUses(Out()));
        EXPECT_EQ(FilesIn(Out()), std::vector<std::string>{"song.mp3"});
        const std::string now = ReadWholeFile(target);
        if (now != old) {
            EXPECT_NE(ProbeStreams(target).find("mp3"), std::string::npos);
        }
    }
}

} // namespace
} // namespace velmont::test
