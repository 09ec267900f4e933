// velmont-cli run as a process on media the tests generate, checked the way
// a user or a script would: exit status, messages, the files written.
#include "CliRun.h"
#include "MediaTestSupport.h"
#include "model/ParamFileWriter.h"

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

// A process's command line; empty once it has ended (reading the entry of
// a process that ends meanwhile fails).
std::string CommandLineOf(const fs::path& process) {
    try {
        return ReadWholeFile(process.string() + "/cmdline");
    } catch (const std::ios_base::failure&) {
        return {};
    }
}

// Whether any process still names the folder on its command line.
bool ProcessUses(const std::string& folder) {
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string cmdline = CommandLineOf(entry.path());
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
    fs::create_directories(folder + "/sub");
    for (const char* name : {"t10.wav", "t2.wav", ".hidden.wav", "sub/t3.wav"})
        fs::copy_file(Source("tone.wav"), folder + "/" + name);
    WriteWholeFile(folder + "/notes.txt", "not media");
    // Types users have beside their wav files: a camcorder's .mts, .aac, a
    // FLAC of the same song (whose mp3 clashes with the wav's).
    ASSERT_TRUE(MakeMedia("-f lavfi -i sine=d=0.3 -c:a ac3 " + folder + "/cam.mts"));
    ASSERT_TRUE(MakeMedia("-f lavfi -i sine=d=0.3 " + folder + "/t3.aac"));
    ASSERT_EQ(
        std::system(
            ("flac -s -o " + folder + "/t2.flac " + Source("tone.wav") + " 2>/dev/null").c_str()),
        0);

    CliResult run = RunCli({"--json", "-f", "mp3", "-o", Out(), folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::size_t t2 =
        run.out.find("\"event\":\"finished\",\"file\":1,\"input\":\"" + folder +
                     "/t2.flac\",\"output\":\"" + Out() + "/t2.mp3\",\"outcome\":\"converted\"");
    const std::size_t t10 = run.out.find("\"file\":4,\"input\":\"" + folder + "/t10.wav\"");
    EXPECT_NE(t2, std::string::npos) << run.out;
    EXPECT_NE(t10, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("{\"event\":\"started\",\"file\":0,"), std::string::npos);
    const std::vector<std::string> firstRun{"cam.mp3", "t10.mp3", "t2 (2).mp3", "t2.mp3", "t3.mp3"};
    EXPECT_EQ(FilesIn(Out()), firstRun);

    run = RunCli({"-f", "mp3", "-o", Out(), folder});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(Out() + "/t10.mp3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(Out() + "/t2 (2).mp3"), std::string::npos) << run.err;

    // Reruns name the batch's clashes as the first run did: nothing piles up.
    EXPECT_EQ(RunCli({"--skip", "-f", "mp3", "-o", Out(), folder}).exitCode, 0);
    EXPECT_EQ(RunCli({"--overwrite", "-f", "mp3", "-o", Out(), folder}).exitCode, 0);
    EXPECT_EQ(FilesIn(Out()), firstRun);
    EXPECT_EQ(RunCli({"--keep-both", "-f", "mp3", "-o", Out(), folder + "/t10.wav"}).exitCode, 0);
    EXPECT_TRUE(fs::exists(Out() + "/t10 (2).mp3"));
}

// Sources as users have them: 24-bit/96 kHz FLAC from the flac tool, 5.1
// wav from sox. Lossless outputs keep rate, channels and depth; other values
// the encoders take pass, whether or not the window lists them.
TEST_F(CliTest, LosslessKeepsTheSourceAndAnyValueTheEncoderTakesPasses) {
    const std::string hiRes = work_.Path("hires.flac");
    const std::string surround = work_.Path("surround.wav");
    ASSERT_EQ(std::system(("sox -V1 -n -r 96000 -b 24 -c 2 " + work_.Path("hires.wav") +
                           " synth 0.4 sine 440 && flac -s -o " + hiRes + " " +
                           work_.Path("hires.wav") + " 2>/dev/null")
                              .c_str()),
              0);
    ASSERT_EQ(
        std::system(("sox -V1 -n -r 48000 -b 16 -c 6 " + surround + " synth 0.4 sine 440").c_str()),
        0);
    const auto probe = [](const std::string& path) {
        return Capture("ffprobe -v error -show_entries "
                       "stream=codec_name,sample_rate,channels,bits_per_raw_sample,bit_rate "
                       "-of csv=p=0 '" +
                       path + "' | tr '\\n' ' '");
    };
    ASSERT_EQ(RunCli({"-q", "-f", "flac", "-o", Out(), hiRes, surround}).exitCode, 0);
    EXPECT_EQ(probe(Out() + "/hires.flac"), "flac,96000,2,N/A,24 ");
    EXPECT_EQ(probe(Out() + "/surround.flac"), "flac,48000,6,N/A,16 ");
    ASSERT_EQ(RunCli({"-q", "-f", "wav", "-o", Out(), surround}).exitCode, 0);
    EXPECT_EQ(probe(Out() + "/surround.wav"), "pcm_s16le,48000,6,4608000,N/A ");

    ASSERT_EQ(RunCli({"-q", "-f", "mp3", "--audio-bitrate", "320k", "--sample-rate", "32000", "-o",
                      Out(), hiRes})
                  .exitCode,
              0);
    EXPECT_EQ(probe(Out() + "/hires.mp3"), "mp3,32000,2,320000,N/A ");
    ASSERT_EQ(RunCli({"-q", "-f", "ogg", "--channels", "original", "--sample-rate", "original",
                      "-o", Out(), surround})
                  .exitCode,
              0);
    EXPECT_EQ(probe(Out() + "/surround.ogg").substr(0, 15), "vorbis,48000,6,");
}

// The settings as the program loads them at start: an administrator's
// param.ini beside the program first, then the user's, whose attributes win
// one by one (the rate), the administrator's others staying (mono).
TEST_F(CliTest, TheUsersParamIniWinsOverTheAdministratorsAttributeByAttribute) {
    const PrivatePrograms programs{"velmont-cli", "Rendix"};
    ASSERT_TRUE(programs.Valid());
    const auto params = [](const std::string& attributes) {
        return "<root><param><mp3 " + attributes + "/></param></root>";
    };
    ASSERT_TRUE(WriteWholeFile(programs.Path("param.ini"),
                               params("AudioSampleRate=\"0\" AudioChannel=\"1\"")));
    ASSERT_NE(std::getenv("XDG_CONFIG_HOME"), nullptr);
    const std::string user = std::string(std::getenv("XDG_CONFIG_HOME")) + "/velmont-converter";
    fs::create_directories(user);
    ASSERT_TRUE(WriteWholeFile(user + "/param.ini", params("AudioSampleRate=\"5\"")));
    const CliResult run = CliProcess({"-q", "-f", "mp3", "-o", Out(), Source("tone.wav")},
                                     programs.Path("velmont-cli"))
                              .Finish();
    fs::remove(user + "/param.ini");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Capture("ffprobe -v error -show_entries stream=sample_rate,channels -of csv=p=0 '" +
                      Out() + "/tone.mp3'"),
              "48000,1\n");
}

// Whether every line is a JSON object read as strict UTF-8.
bool EveryLineIsJson(const std::string& lines) {
    const std::string file =
        fs::temp_directory_path() / ("velmont-json-" + std::to_string(::getpid()));
    WriteWholeFile(file, lines);
    const std::string verdict =
        Capture("python3 -c 'import json,sys\nfor l in open(sys.argv[1], encoding=\"utf-8\", "
                "errors=\"strict\"): json.loads(l)\nprint(\"ok\")' " +
                file + " 2>&1");
    fs::remove(file);
    return verdict == "ok\n";
}

TEST_F(CliTest, AnyNameTheFileSystemAllowsConvertsAndIsShownSafely) {
    const std::string folder = work_.Path("names");
    fs::create_directory(folder);
    ASSERT_TRUE(MakeMedia("-f lavfi -i sine=d=0.5 -c:a flac " + folder + "/plain.mkv"));
    // A line break through the script (mkv), terminal controls, a byte that
    // is no UTF-8, and a name as long as a folder takes.
    const std::string longStem(251, 'l');
    const std::vector<std::string> names = {"two\nlines.mkv", "\x1b]0;retitled\x07\r.wav",
                                            "caf\xe9.wav", longStem + ".wav"};
    fs::rename(folder + "/plain.mkv", folder + "/" + names[0]);
    for (std::size_t i = 1; i < names.size(); ++i)
        fs::copy_file(Source("tone.wav"), folder + "/" + names[i]);
    std::vector<std::string> inputs = {"--json", "-f", "mp3", "-o", Out()};
    for (const std::string& name : names)
        inputs.push_back(folder + "/" + name);

    CliResult run = RunCli(inputs);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(EveryLineIsJson(run.out)) << run.out;
    EXPECT_NE(run.out.find("caf\\udce9.mp3"), std::string::npos) << run.out;
    for (const char* output : {"two\nlines.mp3", "\x1b]0;retitled\x07\r.mp3", "caf\xe9.mp3"})
        EXPECT_NE(ProbeStreams(Out() + "/" + output).find("mp3"), std::string::npos) << output;

    // Plain lines: every control escaped; keep-both shortens the long name.
    inputs.front() = "--keep-both";
    run = RunCli(inputs);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find_first_of("\x1b\x07\r"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\\x1b]0;retitled\\x07\\r.wav"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("two\\nlines (2).mp3"), std::string::npos) << run.err;
    const std::string shortened = longStem.substr(0, 251 - 4) + " (2).mp3";
    EXPECT_TRUE(fs::exists(Out() + "/" + shortened)) << run.err;
    EXPECT_EQ(FilesIn(Out()).size(), 8u);
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

// The settings the window keeps apply here too; an option still wins.
TEST_F(CliTest, TheWindowsSavedSettingsApplyAndOptionsWin) {
    EncodingSettings settings;
    settings.GetEncodingParams(kFormatMp3)->audioBitrateIndex = 9; // 192k
    ASSERT_TRUE(
        SaveUserParamFile({"", work_.Path("config/velmont-converter/param.ini")}, settings));
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    const std::string kept = previous ? previous : "";
    setenv("XDG_CONFIG_HOME", work_.Path("config").c_str(), 1);
    const std::string tone = Source("tone.wav");
    const CliResult saved = RunCli({"-q", "-f", "mp3", "-o", Out(), tone});
    const CliResult given =
        RunCli({"-q", "-f", "mp3", "--audio-bitrate", "64k", "-o", work_.Path("given"), tone});
    previous ? setenv("XDG_CONFIG_HOME", kept.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(saved.exitCode + given.exitCode, 0) << saved.err << given.err;
    const std::string bitRate = "ffprobe -v error -show_entries stream=bit_rate -of csv=p=0 ";
    EXPECT_EQ(Capture(bitRate + Out() + "/tone.mp3"), "192000\n");
    EXPECT_EQ(Capture(bitRate + work_.Path("given/tone.mp3")), "64000\n");
}

TEST_F(CliTest, BadOptionsAreRefusedBeforeAnythingRuns) {
    const std::string tone = Source("tone.wav");
    const std::vector<std::pair<std::vector<std::string>, std::string>> table = {
        {{"-f", "xyz", tone}, "--format: \"xyz\" is not allowed; choose one of: aac, aiff"},
        {{"-f", "mp4", "--size", "12", Source("clip.avi")}, "--size: \"12\""},
        {{"-f", "mp3", "--audio-bitrate", "abc", tone},
         "--audio-bitrate: \"abc\" is not a bit rate"},
        {{"-f", "mp3", "--audio-bitrate", "330k", tone}, "is not a bit rate from 8k to 320k"},
        {{"-f", "mp3", "--sample-rate", "96000", tone}, "32000, 44100, 48000, original"},
        {{"-f", "mp3", "--channels", "6", tone}, "is not a whole number from 1 to 2"},
        {{"-f", "flac", "--sample-rate", "400000", tone}, "from 8000 to 192000 Hz"},
        {{"-f", "amr", "--channels", "2", tone}, "from 1 to 1"},
        {{"-f", "mp4", "--video-bitrate", "9k", tone}, "from 16k to 100000k"},
        {{"-f", "mp4", "--frame-rate", "0", tone}, "from 1 to 240 frames/s"},
        {{"-f", "mp3", "--video-codec", "libx264", tone}, "--video-codec: the format mp3"},
        {{"-f", "mp3", "--bogus", tone}, "unknown option --bogus"},
        {{"-f", "mp3", "--jobs", "0", tone}, "--jobs"},
        {{"-f", "mp3", "--output-name", "x", tone, tone}, "--output-name"},
        {{"-f", "mp3", "--output-name", "", tone}, "--output-name: \"\" is no file name"},
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

// Another program writes the target just before the encoder puts its output
// there: under the default policy that file stays byte for byte, its job
// fails saying so, the others convert and no temporary file is left.
TEST_F(CliTest, AFileThatAppearsAtTheTargetMeanwhileIsKeptAndItsJobFails) {
    setenv("LD_PRELOAD", VELMONT_FAULT_PRELOAD, 1);
    setenv("FAULT_PLANT_AT", "/tone.mp3", 1);
    const CliResult run =
        RunCli({"-f", "mp3", "-o", Out(), Source("tone.wav"), Source("clip.avi")});
    unsetenv("LD_PRELOAD");
    unsetenv("FAULT_PLANT_AT");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("velmont-cli: " + Source("tone.wav") + " failed: Error: File '" + Out() +
                           "/tone.mp3' already exists"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(ReadWholeFile(Out() + "/tone.mp3") == "planted") << "the planted file was replaced";
    EXPECT_EQ(FilesIn(Out()), (std::vector<std::string>{"clip.mp3", "tone.mp3"}));
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
