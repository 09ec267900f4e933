// Refusals, the one-read header, and being stopped, resumed and killed.
#include "RendixFixture.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class RendixErrors : public RendixMedia {
  protected:
    // One "Error: " line, exit status 1, and the header never finished.
    static void ExpectRefused(const RendixRun& run, const std::string& words) {
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_EQ(run.output.find("Press [q] to stop encoding"), std::string::npos);
        std::size_t at = run.output.find("Error: ");
        ASSERT_NE(at, std::string::npos) << run.output;
        std::string line = run.output.substr(at, run.output.find('\n', at) - at);
        EXPECT_NE(line.find(words), std::string::npos) << line;
        EXPECT_EQ(run.output.find("Error: ", at + 1), std::string::npos) << "more than one error";
    }
};

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

} // namespace

TEST_F(RendixErrors, UnknownOptionsCodecsAndContainers) {
    ExpectRefused(RunRendix({"-i", AudioInput(), "-y", "-bogus", "1", Out("x.mp3")}), "-bogus");
    ExpectRefused(RunRendix({"-i", AudioInput(), "-y", Out("x.mp3"), "-ab"}), "-ab");
    ExpectRefused(RunRendix({"-i", AudioInput(), "-y", "-acodec", "nosuch", Out("x.mp3")}),
                  "nosuch");
    ExpectRefused(RunRendix({"-i", AudioInput(), "-y", "-f", "nosuch", Out("x.mp3")}), "nosuch");
    ExpectRefused(
        RunRendix({"-i", VideoInput(), "-y", "-s", "320x240", "-vcodec", "h263", Out("x.3gp")}),
        "176x144");
    EXPECT_FALSE(std::filesystem::exists(Out("x.mp3")));
    EXPECT_FALSE(std::filesystem::exists(Out("x.3gp")));
}

TEST_F(RendixErrors, MissingOrUnreadableInput) {
    ExpectRefused(RunRendix({"-i", Folder() + "/not there.wav", "-y", Out("x.wav")}), "not there");
    std::string junk = Folder() + "/junk.mp3";
    std::ofstream(junk) << "this is not audio";
    ExpectRefused(RunRendix({"-i", junk, "-y", Out("x.wav")}), "junk.mp3");
    std::string script = Folder() + "/other.avs";
    std::ofstream(script) << "AviSource(\"a.avi\")\n";
    ExpectRefused(RunRendix({"-i", script, "-y", Out("x.mp4")}), "AviSynth");
    EXPECT_FALSE(std::filesystem::exists(Out("x.wav")));
}

TEST_F(RendixErrors, OutputThatCannotBeCreated) {
    ExpectRefused(RunRendix({"-i", AudioInput(), "-y", Out("no such folder/x.mp3")}),
                  "cannot open");
    ExpectRefused(RunRendix({"-i", VideoInput(), "-y", "-pass", "2", "-vcodec", "mpeg4",
                             Out("no such folder/x.avi")}),
                  "cannot open");
}

TEST_F(RendixErrors, OutputThatIsTheInputIsRefused) {
    std::string copy = Folder() + "/precious.mp3";
    std::filesystem::copy_file(AudioInput(), copy,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string before = Contents(copy);
    ExpectRefused(RunRendix({"-i", copy, "-y", copy}), "same file");
    std::string hard = Folder() + "/hard link.mp3", soft = Folder() + "/soft link.mp3";
    std::filesystem::remove(hard);
    std::filesystem::remove(soft);
    std::filesystem::create_hard_link(copy, hard);
    std::filesystem::create_symlink(copy, soft);
    ExpectRefused(RunRendix({"-i", copy, "-y", hard}), "same file");
    ExpectRefused(RunRendix({"-i", soft, "-y", Folder() + "/./precious.mp3"}), "same file");
    // The wrapped source counts too.
    std::string script = Folder() + "/wrap.avs";
    std::ofstream(script, std::ios::binary)
        << "DirectShowSource(\"" << copy << "\", 25, convertfps=true)\r\nChangeFPS(23.98)\r\n"
        << "return last\r\n";
    ExpectRefused(RunRendix({"-i", script, "-y", copy}), "same file");
    EXPECT_EQ(Contents(copy), before);
}

TEST_F(RendixErrors, ExistingOutputNeedsOverwrite) {
    std::string out = Out("exists.mp3");
    std::ofstream(out) << "keep me";
    ExpectRefused(RunRendix({"-i", AudioInput(), out}), "already exists");
    EXPECT_EQ(Contents(out), "keep me");
    RendixRun run = RunRendix({"-i", AudioInput(), "-y", out});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(Contents(out), "keep me");
}

TEST_F(RendixErrors, HeaderFromDurationToPressArrivesInOneRead) {
    for (const std::string& input : {AudioInput(), VideoInput()}) {
        RendixRun run = RunRendix({"-i", input, "-y", Out("header.mkv")});
        ASSERT_EQ(run.exitCode, 0) << run.output;
        bool together = false;
        for (const std::string& chunk : run.chunks) {
            std::size_t duration = chunk.find("Duration: ");
            std::size_t press = chunk.find("Press [q] to stop encoding");
            if (duration != std::string::npos && press != std::string::npos && duration < press)
                together = true;
        }
        EXPECT_TRUE(together) << run.output;
        int h = -1, m = -1, s = -1;
        std::size_t at = run.output.find("Duration: ");
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(std::sscanf(run.output.c_str() + at + 10, "%2d:%2d:%2d", &h, &m, &s), 3);
        EXPECT_EQ(h * 3600 + m * 60 + s, 2);
    }
}

TEST_F(RendixErrors, SurvivesStopAndContinueAndCleansUpWhenTerminated) {
    std::filesystem::path tmp = Folder() + "/tmp signals";
    std::filesystem::create_directories(tmp);
    // A folder left by a killed run (a process id that no longer exists).
    pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    std::filesystem::path stale = tmp / ("rendix-pass-" + std::to_string(gone) + "-abcdef");
    std::filesystem::create_directories(stale);
    std::ofstream(stale / "x264.log") << "old";

    auto start = [&](const std::string& out, int fds[2]) {
        EXPECT_EQ(::pipe(fds), 0);
        pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(fds[1], 1);
            ::dup2(fds[1], 2);
            ::close(fds[0]);
            ::close(fds[1]);
            ::setenv("TMPDIR", tmp.c_str(), 1);
            std::string path = RendixPath();
            ::execl(path.c_str(), path.c_str(), "-i", VideoInput().c_str(), "-y", "-pass", "2",
                    "-vcodec", "libx264", "-b", "300000", out.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        return pid;
    };
    auto readAll = [](int fd) {
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        return text;
    };

    // Stopped and resumed: finishes normally.
    int fds[2];
    pid_t pid = start(Out("stopped.mp4"), fds);
    ::kill(pid, SIGSTOP);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::kill(pid, SIGCONT);
    std::string text = readAll(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << text;
    EXPECT_EQ(WEXITSTATUS(status), 0) << text;
    EXPECT_NEAR(ProbeMedia(Out("stopped.mp4")).duration, 2.0, 0.2);
    EXPECT_FALSE(std::filesystem::exists(stale)) << "stale statistics folder not swept";

    // Terminated while stopped: ends when resumed, statistics folder gone.
    pid = start(Out("terminated.mp4"), fds);
    std::string head;
    char buffer[4096];
    while (head.find("Press [q]") == std::string::npos) {
        ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    ::kill(pid, SIGSTOP);
    ::kill(pid, SIGTERM);
    ::kill(pid, SIGCONT);
    text = head + readAll(fds[0]);
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status) << "\n" << text;
    EXPECT_TRUE(WEXITSTATUS(status) == 255 || WEXITSTATUS(status) == 0) << text;
    EXPECT_TRUE(std::filesystem::is_empty(tmp)) << "statistics left after SIGTERM";

    // Killed outright: nothing to clean up but the folder, which the next run sweeps.
    pid = start(Out("killed.mp4"), fds);
    ::kill(pid, SIGKILL);
    readAll(fds[0]);
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
}
