// Refusals, the one-read header, and being stopped, resumed and killed (what
// runs do to the files around them is FileSafetyTest's).
#include "RendixFixture.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

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

} // namespace

TEST_F(RendixErrors, BadCommandLinesAndInputsGetOneErrorLine) {
    const std::string song = AudioInput(), clip = VideoInput(), mp3 = Out("x.mp3");
    // Scripts Rendix cannot read are refused in RulesTest.
    const std::string junk = Folder() + "/junk.mp3";
    std::ofstream(junk) << "this is not audio";
    const std::string empty = Folder() + "/empty.mp3", page = Folder() + "/page.mp3";
    std::ofstream{empty};
    std::ofstream(page) << "<!DOCTYPE html>\n<html><body>Not Found</body></html>\n";
    const std::string silent = Folder() + "/silent.wav";
    ASSERT_EQ(std::system(("sox -n -r 44100 -b 16 -c 2 '" + silent + "' trim 0 0").c_str()), 0);
    const struct {
        std::vector<std::string> args;
        const char* words;
    } refusals[] = {
        {{"-i", song, "-y", "-bogus", "1", mp3}, "-bogus"},
        {{"-i", song, "-y", mp3, "-ab"}, "-ab"},
        {{"-i", song, "-y", "-acodec", "nosuch", mp3}, "nosuch"},
        {{"-i", song, "-y", "-f", "nosuch", mp3}, "nosuch"},
        {{"-i", clip, "-y", "-s", "320x240", "-vcodec", "h263", Out("x.3gp")}, "176x144"},
        {{"-i", clip, "-y", "-croptop", "100", "-cropbottom", "100", Out("x.avi")}, "no picture"},
        {{"-i", clip, "-y", "-s", "100x100", "-padleft", "60", "-padright", "60", Out("x.avi")},
         "no room"},
        {{"-i", Folder() + "/not there.wav", "-y", mp3}, "not there"},
        {{"-i", junk, "-y", mp3}, "junk.mp3"},
        {{"-i", empty, "-y", mp3}, "empty.mp3: not a media file"},
        {{"-i", page, "-y", mp3}, "page.mp3: not a media file"},
        {{"-i", song, "-y", "-f", "mp4", "-acodec", "wmav2", Out("x.m4a")}, "'m4a' container"},
        {{"-i", song, "-y", Out("no such folder/x.mp3")}, "cannot open"},
        {{"-i", clip, "-y", "-pass", "2", "-vcodec", "mpeg4", Out("no such folder/x.avi")},
         "cannot open"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.words);
        ExpectRefused(RunRendix(refusal.args), refusal.words);
    }
    // Known to hold nothing only once read through.
    const RendixRun run = RunRendix({"-i", silent, "-y", mp3});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("Error: '" + silent + "' holds no sound"), std::string::npos)
        << run.output;
    for (const char* name : {"x.mp3", "x.3gp", "x.mp4", "x.avi", "x.m4a"})
        EXPECT_FALSE(fs::exists(Out(name))) << "a refused run left " << name;
}

TEST_F(RendixErrors, HeaderFromDurationToPressArrivesInOneRead) {
    for (const std::string& input : {AudioInput(), VideoInput()}) {
        RendixRun run = RunRendix({"-i", input, "-y", Out("header.mkv")});
        ASSERT_EQ(run.exitCode, 0) << run.output;
        bool together = false;
        for (const std::string& chunk : run.chunks) {
            std::size_t duration = chunk.find("Duration: ");
            std::size_t press = chunk.find("Press [q] to stop encoding");
            together |=
                duration != std::string::npos && press != std::string::npos && duration < press;
        }
        EXPECT_TRUE(together) << run.output;
        EXPECT_NE(run.output.find("  Duration: 00:00:02."), std::string::npos) << run.output;
    }
}

TEST_F(RendixErrors, SurvivesStopAndContinueAndCleansUpWhenTerminated) {
    const fs::path tmp = Folder() + "/tmp signals";
    fs::create_directories(tmp);
    // A folder left by a killed run (a process id that no longer exists).
    pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const fs::path stale = tmp / ("rendix-pass-" + std::to_string(gone) + "-abcdef");
    fs::create_directories(stale);
    std::ofstream(stale / "x264.log") << "old";

    int fd = -1, status = 0;
    RendixRun run;
    const auto start = [&](const std::string& out) {
        run = {};
        return StartRendix({"-i", VideoInput(), "-y", "-pass", "2", "-vcodec", "libx264", "-b",
                            "300000", Out(out)},
                           {"TMPDIR=" + tmp.string()}, &fd);
    };
    const auto finish = [&](pid_t pid) {
        ReadAll(fd, run);
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    };

    // Stopped and resumed: finishes normally, and sweeps the stale folder.
    pid_t pid = start("stopped.mp4");
    ::kill(pid, SIGSTOP);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::kill(pid, SIGCONT);
    EXPECT_EQ(finish(pid), 0) << run.output;
    EXPECT_NEAR(Number(ProbeMedia(Out("stopped.mp4")), "format.duration"), 2.0, 0.2);
    EXPECT_FALSE(fs::exists(stale)) << "stale statistics folder not swept";

    // Terminated while stopped once encoding began: ends when resumed, statistics gone.
    pid = start("terminated.mp4");
    char buffer[4096];
    for (ssize_t n; run.output.find("Press [q]") == std::string::npos &&
                    (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(n));
    ::kill(pid, SIGSTOP);
    ::kill(pid, SIGTERM);
    ::kill(pid, SIGCONT);
    const int code = finish(pid);
    EXPECT_TRUE(code == 255 || code == 0) << code << "\n" << run.output;
    EXPECT_TRUE(fs::is_empty(tmp)) << "statistics left after SIGTERM";
}
