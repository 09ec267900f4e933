// What a run does to the files around it: it reads only regular files by
// their plain names, and changes nothing but its own output, which appears
// whole or not at all.
#include "RendixFixture.h"

#include "platform/ForkServer.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Polls until the condition holds or the limit has passed.
bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (bool last = false; !last; std::this_thread::sleep_for(5ms)) {
        last = std::chrono::steady_clock::now() >= deadline;
        if (condition())
            return true;
    }
    return false;
}

namespace {

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Every entry of a folder (hidden ones too) with what it is and holds.
using Snapshot = std::map<std::string, std::string>;
Snapshot Snap(const fs::path& folder) {
    Snapshot snap;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        snap[name] = e.is_symlink()        ? "link to " + fs::read_symlink(e.path()).string()
                     : e.is_regular_file() ? Contents(e.path())
                                           : "special";
    }
    return snap;
}

// The refusal or failure: status 1 and one "Error:" line that says why.
void ExpectOneError(const RendixRun& run, const std::string& words) {
    EXPECT_EQ(run.exitCode, 1) << run.output;
    const std::size_t at = run.output.find("Error: ");
    ASSERT_NE(at, std::string::npos) << run.output;
    EXPECT_NE(run.output.substr(at, run.output.find('\n', at) - at).find(words), std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("Error: ", at + 1), std::string::npos) << run.output;
}

// A succeeded run's output: a file of its own, two seconds long.
void ExpectWholeOutput(const fs::path& output) {
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(output))) << output;
    EXPECT_NEAR(Number(ProbeMedia(output.string()), "format.duration"), 2.0, 0.2) << output;
}

pid_t GonePid() {
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// Tags longer than any container takes: 129 kB of title (with a stray byte,
// and a cut that falls inside a character) and 70 kB of comment.
const std::string kLongTitle = "Caf\xC3\xA9! \xFF " + [] {
    std::string euros;
    for (int i = 0; i < 43000; ++i)
        euros += "\xE2\x82\xAC";
    return euros;
}();
void LongTagsCut(const fs::path& output, const RendixRun& run) {
    const std::string valid = "Caf\xC3\xA9! \xEF\xBF\xBD " + kLongTitle.substr(9);
    EXPECT_EQ(ProbeMedia(output.string())["tags.title"], valid.substr(0, 1022));
    EXPECT_NE(run.output.find("title tag was cut"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("comment tag was cut"), std::string::npos) << run.output;
}

// What each case finds in its folder besides song.mp3 (2 s) and notes.txt.
void OldFile(const fs::path& dir) {
    std::ofstream(dir / "old.mp3") << "keep me";
}
void Links(const fs::path& dir) {
    fs::create_symlink("notes.txt", dir / "linked.mp3");
    fs::create_symlink("song.mp3", dir / "soft.mp3");
    fs::create_hard_link(dir / "song.mp3", dir / "hard.mp3");
}
void Specials(const fs::path& dir) {
    ASSERT_EQ(::mkfifo((dir / "fifo.mp3").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo.avs").c_str(), 0600), 0);
    fs::create_directory(dir / "folder.mp3");
    const auto script = [&dir](const char* name, const std::string& source) {
        std::ofstream(dir / name, std::ios::binary)
            << "DirectShowSource(\"" << source << "\", 25, convertfps=true)\r\n"
            << "ChangeFPS(23.98)\r\nreturn last\r\n";
    };
    script("names fifo.avs", (dir / "fifo.mp3").string());
    script("names song.avs", (dir / "song.mp3").string());
}

struct Case {
    const char* name;
    void (*prepare)(const fs::path& dir);
    std::vector<std::string> args; // run in the case's folder; the output comes last
    const char* error;             // the refusal's words; null when the run succeeds
    void (*more)(const fs::path& output, const RendixRun& run) = nullptr;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

const Case kCases[] = {
    {"ProtocolPrefixedOutputIsAName",
     nullptr,
     {"-i", "song.mp3", "-y", "-f", "mp3", "-acodec", "libmp3lame", "file:song.mp3"},
     nullptr},
    {"PipeOutputIsAName", nullptr, {"-i", "song.mp3", "-f", "mp3", "pipe:1"}, nullptr},
    {"ProtocolPrefixedInputIsAName",
     nullptr,
     {"-i", "file:song.mp3", "-y", "out.mp3"},
     "file:song.mp3: No such file"},
    {"FailedRunKeepsTheOldFile",
     OldFile,
     {"-i", "song.mp3", "-y", "-ss", "30", "old.mp3"},
     "nothing was encoded"},
    {"OldFileNeedsOverwrite", OldFile, {"-i", "song.mp3", "old.mp3"}, "already exists"},
    {"OutputFolderIsRefused", Specials, {"-i", "song.mp3", "-y", "folder.mp3"}, "is a folder"},
    {"PlantedLinkIsReplacedNotFollowed", Links, {"-i", "song.mp3", "-y", "linked.mp3"}, nullptr},
    {"InputItselfIsRefused", nullptr, {"-i", "song.mp3", "-y", "./song.mp3"}, "same file"},
    {"InputByHardLinkIsRefused", Links, {"-i", "song.mp3", "-y", "hard.mp3"}, "same file"},
    {"InputThroughLinkIsRefused", Links, {"-i", "soft.mp3", "-y", "song.mp3"}, "same file"},
    {"ScriptSourceIsRefused", Specials, {"-i", "names song.avs", "-y", "song.mp3"}, "same file"},
    {"FifoInput", Specials, {"-i", "fifo.mp3", "-y", "out.mp3"}, "fifo.mp3: is a FIFO"},
    {"FolderInput", Specials, {"-i", "folder.mp3", "-y", "out.mp3"}, "is a folder"},
    {"DeviceInput", nullptr, {"-i", "/dev/null", "-y", "out.mp3"}, "is a device"},
    {"FifoScript", Specials, {"-i", "fifo.avs", "-y", "out.mp3"}, "fifo.avs: is a FIFO"},
    {"ScriptNamingAFifo", Specials, {"-i", "names fifo.avs", "-y", "out.mp3"}, "is a FIFO"},
    {"LongTagsAreCut",
     nullptr,
     {"-i", "song.mp3", "-y", "-title", kLongTitle, "-comment", std::string(70000, 'c'), "-f",
      "flv", "tags.flv"},
     nullptr,
     LongTagsCut},
};

class RendixFileSafety : public RendixMedia {
  protected:
    void SetUp() override {
        dir_ = fs::path(Folder()) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(dir_);
        fs::copy_file(AudioInput(), dir_ / "song.mp3");
        std::ofstream(dir_ / "notes.txt") << "my notes";
    }
    fs::path dir_;
};

class RendixFileSafetyCase : public RendixFileSafety, public ::testing::WithParamInterface<Case> {};

} // namespace

// Whatever the run, every entry but the output stays as it was; a refused
// or failed run changes nothing at all and leaves no temporary file.
TEST_P(RendixFileSafetyCase, ChangesNothingButItsOwnOutput) {
    const Case& c = GetParam();
    if (c.prepare)
        c.prepare(dir_);
    Snapshot before = Snap(dir_);
    const RendixRun run = RunRendix(c.args, {}, dir_.string());
    Snapshot after = Snap(dir_);
    const fs::path output = dir_ / c.args.back();
    if (c.error) {
        ExpectOneError(run, c.error);
    } else {
        EXPECT_EQ(run.exitCode, 0) << run.output;
        ExpectWholeOutput(output);
        struct stat st {};
        const mode_t mask = ::umask(0);
        ::umask(mask);
        EXPECT_TRUE(::lstat(output.c_str(), &st) == 0 && (st.st_mode & 0777) == (0666 & ~mask));
        before.erase(c.args.back());
        after.erase(c.args.back());
        if (c.more)
            c.more(output, run);
    }
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Runs, RendixFileSafetyCase, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// Eight runs racing to one new name: of plain runs exactly one gets it, the
// others fail; keeping both, each takes a free name of its own and says so.
TEST_F(RendixFileSafety, RunsRacingToOneNameNeverOverwriteEachOther) {
    for (const bool keepBoth : {false, true}) {
        const Snapshot before = Snap(dir_);
        std::vector<std::pair<pid_t, int>> runs;
        for (int i = 0; i < 8; ++i) {
            int fd = -1;
            std::vector<std::string> args{"-i", "song.mp3", "race.mp3"};
            if (keepBoth)
                args.insert(args.begin() + 2, "-keep-both");
            runs.emplace_back(StartRendix(args, {}, &fd, dir_.string()), fd);
        }
        std::set<std::string> written;
        for (auto [pid, fd] : runs) {
            RendixRun run;
            ReadAll(fd, run);
            int status = 0;
            ::waitpid(pid, &status, 0);
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            const std::size_t at = run.output.find("Written as: ");
            if (run.exitCode == 0)
                written.insert(
                    at == std::string::npos
                        ? "race.mp3"
                        : run.output.substr(at + 12, run.output.find('\n', at) - at - 12));
            else
                ExpectOneError(run, "already exists");
        }
        EXPECT_EQ(written.size(), keepBoth ? 8u : 1u);
        Snapshot after = Snap(dir_);
        for (const std::string& name : written) {
            ExpectWholeOutput(dir_ / name);
            after.erase(name);
        }
        EXPECT_EQ(after, before);
        for (const std::string& name : written)
            fs::remove(dir_ / name);
    }
}

// A replaced file keeps its mode; a file that cannot be read to its end
// fails the run and leaves the old output as it was.
TEST_F(RendixFileSafety, ReplacedFilesStayPrivateAndReadErrorsFail) {
    OldFile(dir_);
    fs::permissions(dir_ / "old.mp3", fs::perms::owner_read | fs::perms::owner_write);
    const RendixRun replaced = RunRendix({"-i", "song.mp3", "-y", "old.mp3"}, {}, dir_.string());
    EXPECT_EQ(replaced.exitCode, 0) << replaced.output;
    EXPECT_EQ(fs::status(dir_ / "old.mp3").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    std::ofstream(dir_ / "old.mp3") << "keep me";
    const Snapshot before = Snap(dir_);
    const RendixRun failed = RunRendix({"-i", "song.mp3", "-y", "old.mp3"},
                                       {"LD_PRELOAD=" VELMONT_FAULT_PRELOAD,
                                        "FAULT_READ_FILE=/song.mp3", "FAULT_READ_FAIL_AFTER=20000"},
                                       dir_.string());
    ExpectOneError(failed, "Input/output error");
    EXPECT_EQ(Snap(dir_), before);
}

// Killed or stopped at some moment of the encode, a run onto an old file
// leaves it whole: the old bytes, or the finished conversion. What a killed
// run could not remove, the next run in the folder does, and only that.
TEST_F(RendixFileSafety, KilledOrStoppedRunsLeaveTheOldFileWhole) {
    const fs::path old = dir_ / "old.mp4";
    std::ofstream(old) << "keep me";
    const auto isTemp = [](const auto& entry) { return entry.first.starts_with(".old.mp4."); };
    std::mt19937 random{std::random_device{}()};
    for (int signal : {SIGTERM, SIGKILL, SIGKILL, SIGKILL}) {
        int fd = -1;
        pid_t pid = StartRendix({"-i", VideoInput(), "-y", "-vcodec", "libx264", old.string()}, {},
                                &fd, dir_.string());
        RendixRun run;
        char buffer[4096];
        for (ssize_t n; run.output.find("Press [q]") == std::string::npos &&
                        (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            run.output.append(buffer, static_cast<std::size_t>(n));
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 200000)(random));
        ::kill(pid, signal);
        ReadAll(fd, run);
        ::waitpid(pid, nullptr, 0);
        if (Contents(old) != "keep me") {
            ExpectWholeOutput(old);
            std::ofstream(old) << "keep me";
        }
        if (signal == SIGTERM) {
            EXPECT_FALSE(std::ranges::any_of(Snap(dir_), isTemp)) << "a stopped run left its file";
        }
    }
    // Leftovers are the temporary files nobody holds locked, whatever pid
    // their name gives: the one this test locks stands for a run in another
    // pid namespace, whose pid means nothing here. The others are named
    // otherwise.
    const std::string gone = std::to_string(GonePid());
    for (const std::string& name : std::vector<std::string>{
             ".other.mp3.rendix-" + gone + "-abcdef.tmp", ".other.mp3.rendix-1-abcdef.tmp",
             ".other.mp3.rendix-" + gone + "-locked.tmp", ".other.mp3.rendix-" + gone + "-abc.tmp",
             "other.mp3.rendix-" + gone + "-abcdef.tmp"})
        std::ofstream(dir_ / name) << "planted";
    const int held =
        ::open((dir_ / (".other.mp3.rendix-" + gone + "-locked.tmp")).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    Snapshot expected = Snap(dir_);
    std::erase_if(expected, isTemp);
    expected.erase(".other.mp3.rendix-" + gone + "-abcdef.tmp");
    expected.erase(".other.mp3.rendix-1-abcdef.tmp");

    const RendixRun next = RunRendix({"-i", "song.mp3", "next.mp3"}, {}, dir_.string());
    ::close(held);
    EXPECT_EQ(next.exitCode, 0) << next.output;
    Snapshot after = Snap(dir_);
    after.erase("next.mp3");
    EXPECT_EQ(after, expected);
}

namespace {

// An hour of noise: an encode still running when its owner dies (encoders
// skip silence quickly; upsampled to 48 kHz stereo it takes long anywhere).
void MakeLongNoise(const fs::path& path) {
    ASSERT_EQ(std::system(("ffmpeg -nostdin -v error -f lavfi -i anoisesrc=r=8000:a=0.3 -t 3600 "
                           "-c:a pcm_u8 '" +
                           path.string() + "'")
                              .c_str()),
              0);
}

// Forks an owner that starts the encoder through start (which returns the
// pids of the processes it started, the encoder last) and stays; a
// subreaper, this process adopts them when the owner is killed.
std::vector<pid_t> StartOwner(pid_t& owner, const std::function<std::vector<pid_t>()>& start) {
    EXPECT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    int pidPipe[2];
    EXPECT_EQ(::pipe(pidPipe), 0);
    owner = ::fork();
    if (owner == 0) {
        const std::vector<pid_t> started = start();
        (void)!::write(pidPipe[1], started.data(), started.size() * sizeof(pid_t));
        for (;;)
            ::pause();
    }
    std::vector<pid_t> pids(4, -1);
    const ssize_t got = ::read(pidPipe[0], pids.data(), pids.size() * sizeof(pid_t));
    pids.resize(got > 0 ? static_cast<std::size_t>(got) / sizeof(pid_t) : 0);
    ::close(pidPipe[0]);
    ::close(pidPipe[1]);
    return pids;
}

// Pauses the encoder (the last of pids) as the converter does, kills the
// owner and expects everything it started to end, its temporary file gone.
void ExpectPausedEncoderEndsWithItsOwner(const fs::path& dir, pid_t owner,
                                         const std::vector<pid_t>& pids) {
    ASSERT_FALSE(pids.empty());
    ASSERT_GT(pids.back(), 0);
    const auto isTemp = [](const auto& entry) { return entry.first.starts_with(".long.mp3."); };
    ASSERT_TRUE(Eventually([&] { return std::ranges::any_of(Snap(dir), isTemp); }));
    ::kill(pids.back(), SIGTSTP);
    ::usleep(100000);
    ::kill(owner, SIGKILL);
    ::waitpid(owner, nullptr, 0);
    for (const pid_t pid : pids) {
        EXPECT_TRUE(Eventually([&] { return ::waitpid(pid, nullptr, WNOHANG) == pid; }, 5s));
        ::kill(pid, SIGKILL); // should it have stayed
        ::waitpid(pid, nullptr, 0);
    }
    EXPECT_FALSE(std::ranges::any_of(Snap(dir), isTemp));
    EXPECT_FALSE(fs::exists(dir / "long.mp3"));
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

std::string OwnerVariable() {
    return "VELMONT_ENCODER_OWNER=" + std::to_string(::getpid()) + ":0";
}

} // namespace

// Paused (as the converter pauses it) when the converter that started it
// dies, the encoder ends and removes its temporary file, even where nobody
// would wake a stopped process: here a subreaper in its session adopts it.
TEST_F(RendixFileSafety, APausedEncoderWhoseOwnerDiesEndsAndCleansUp) {
    MakeLongNoise(dir_ / "long.wav");
    pid_t owner = -1;
    const std::vector<pid_t> pids = StartOwner(owner, [&] {
        int fd = -1;
        return std::vector<pid_t>{
            StartRendix({"-i", "long.wav", "-ar", "48000", "-ac", "2", "long.mp3"},
                        {OwnerVariable()}, &fd, dir_.string())};
    });
    ExpectPausedEncoderEndsWithItsOwner(dir_, owner, pids);
}

// The same for a job forked by a server: the owner's end takes the server,
// and the server's end its job.
TEST_F(RendixFileSafety, APausedJobOfAServerWhoseOwnerDiesEndsAndCleansUp) {
    MakeLongNoise(dir_ / "long.wav");
    pid_t owner = -1;
    const std::vector<pid_t> pids = StartOwner(owner, [&] {
        std::error_code error;
        static std::unique_ptr<velmont::ForkServer> server =
            velmont::ForkServer::Start(VELMONT_BIN_DIR "/Rendix", {OwnerVariable()}, error);
        int output[2] = {-1, -1};
        int job = -1;
        if (!server || ::pipe(output) != 0 ||
            server->Launch({"Rendix", "-i", (dir_ / "long.wav").string(), "-ar", "48000", "-ac",
                            "2", (dir_ / "long.mp3").string()},
                           output[1], job))
            return std::vector<pid_t>{};
        return std::vector<pid_t>{server->Pid(), job};
    });
    ASSERT_EQ(pids.size(), 2u);
    ExpectPausedEncoderEndsWithItsOwner(dir_, owner, pids);
}
