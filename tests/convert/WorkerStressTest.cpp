// Presses Pause/Resume, Stop/Restart and Cancel at random moments while
// the worker runs real (fake) encoder processes through the real engine,
// and checks that nothing hangs, no encoder is left running, no two runs
// overlap and the jobs' states match their rows; every other round the jobs
// are filled in and marked ready from another thread meanwhile, as
// velmont-cli's probes do. Meant to run under ThreadSanitizer too
// (scripts/tsan.sh).
#include "convert/ConversionEngine.h"
#include "convert/ConversionWorker.h"
#include "convert/ResolveEncoderValues.h"
#include "model/EncodingParams.h"
#include "model/RunFlags.h"
#include "platform/ProcessList.h"

#include "../platform/FakeEncoderPath.h"
#include "../platform/ProcessStateProbe.h"
#include "RecordingJobEvents.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <thread>

namespace fs = std::filesystem;
using namespace velmont;
using namespace std::chrono_literals;

namespace {

constexpr int kJobs = 6;
constexpr auto kRoundLimit = 60s;

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

constexpr int kAtOnce = 3;

// What all engines of a round saw: more runs at once than allowed, one job
// run twice at the same time, encoders still running when Cancel kills strays.
struct Watch {
    std::mutex mutex;
    std::set<std::string> running;
    int active = 0;
    std::atomic<int> overlaps{0};
    std::atomic<int> leftRunning{0};
};

class WatchedEngine : public ConversionEngine {
  public:
    WatchedEngine(const std::string& program, Watch& watch)
        : ConversionEngine(program), watch_(watch) {}

    JobOutcome RunJob(const JobItem& job, IJobEvents& events) override {
        {
            std::lock_guard lock(watch_.mutex);
            if (++watch_.active > kAtOnce || !watch_.running.insert(job.inputPath).second)
                ++watch_.overlaps;
        }
        const JobOutcome outcome = ConversionEngine::RunJob(job, events);
        std::lock_guard lock(watch_.mutex);
        --watch_.active;
        watch_.running.erase(job.inputPath);
        return outcome;
    }
    void KillStrayEncoders() override {
        if (!FindProcessesByExecutable(EncoderPath()).empty())
            ++watch_.leftRunning;
        ConversionEngine::KillStrayEncoders();
    }

  private:
    Watch& watch_;
};

class CountingDialog : public IConversionDialog {
  public:
    void BatchStarted() override {}
    IJobEvents& EventsFor(std::size_t jobIndex) override { return rows[jobIndex]; }
    void FinishConversion(BatchState) override { ++finished; }
    bool ShutDownComputer() override {
        ++shutDownRequests;
        return true;
    }
    void ShowShutDownFailed() override {}

    std::atomic<int> finished{0};
    std::atomic<int> shutDownRequests{0};
    RecordingJobEvents rows[kJobs];
};

// Aborts the whole test program when a round hangs: a deadlock must fail
// loudly, not stall the test run.
class Watchdog {
  public:
    explicit Watchdog(std::chrono::seconds limit, int round)
        : thread_([this, limit, round] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
                  std::fprintf(stderr, "round %d did not end within %lld s: deadlock\n", round,
                               static_cast<long long>(limit.count()));
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        thread_.join();
    }

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

class WorkerStressTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/velmont-stress-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        fs::create_directories(root_ / "prog");
        fs::create_directories(root_ / "in");
        // A file of its own, so only this test's encoders match it.
        fs::copy_file(FakeEncoderPath(), root_ / "prog" / ConversionEngine::kEncoderName);
        for (int i = 0; i < kJobs; ++i)
            std::ofstream(InputPath(i)) << "source";
        // Each run: a header, about 150 ms of status lines, an output file.
        setenv("FAKE_ENCODER_STEPS",
               "out:Input #0, wav\\n  Duration: 00:00:02.00, bitrate: 1411 kb/s\\n"
               "Press [q] to stop encoding\\n\n"
               "stream:10:15\nout:\\n\noutput",
               1);
        // Resolving a job takes its output folder from its format's record.
        settings_.SetOutputDirAll((root_ / "out").string());
    }
    void TearDown() override {
        unsetenv("FAKE_ENCODER_STEPS");
        fs::remove_all(root_);
    }

    std::string InputPath(int i) const {
        return (root_ / "in" / ("job" + std::to_string(i) + ".wav")).string();
    }

    // Not ready: their encoder values come later, from FillInLater.
    JobList FreshJobs(bool ready) const {
        JobList jobs;
        for (int i = 0; i < kJobs; ++i) {
            JobItem job;
            job.inputPath = InputPath(i);
            job.outputName = "job" + std::to_string(i);
            job.outputDirectory = (root_ / "out").string();
            job.formatId = kFormatMp3;
            job.duration = kUnknownDuration;
            job.hasAudio = true;
            job.state = JobState::Waiting;
            if (ready)
                ResolveEncoderValues(job, settings_);
            jobs.Append(job);
        }
        return jobs;
    }

    // Resolves each job after its delay and marks it ready, in list order.
    std::jthread FillInLater(JobList& jobs, ConversionWorker& worker,
                             std::vector<int> delaysMs) const {
        return std::jthread([this, &jobs, &worker, delaysMs] {
            for (std::size_t i = 0; i < delaysMs.size(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(delaysMs[i]));
                ResolveEncoderValues(jobs[i], settings_);
                worker.MarkReady(i);
            }
        });
    }

    fs::path root_;
    EncodingSettings settings_;
};

} // namespace

TEST_F(WorkerStressTest, RandomPressesNeverHangLeakOrOverlapAndStatesMatchRows) {
    const int rounds = EnvironmentNumber("VELMONT_STRESS_ROUNDS", 4);
    const unsigned seed = static_cast<unsigned>(
        EnvironmentNumber("VELMONT_STRESS_SEED", static_cast<int>(std::random_device{}())));
    std::printf("seed %u, %d rounds\n", seed, rounds);
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };

    int presses = 0;
    int converted = 0;
    int cancelledEarly = 0;
    const std::string program = (root_ / "prog").string();
    Watch watch;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round) + ", seed " + std::to_string(seed));
        const bool probedLater = round % 2 == 1;
        JobList jobs = FreshJobs(!probedLater);
        std::vector<int> delaysMs(kJobs);
        for (int& delay : delaysMs)
            delay = pick(0, 150);
        CountingDialog dialog;
        {
            Watchdog watchdog(std::chrono::duration_cast<std::chrono::seconds>(kRoundLimit), round);
            ConversionWorker worker(
                jobs, [&] { return std::make_unique<WatchedEngine>(program, watch); }, dialog,
                kAtOnce, false, !probedLater, true);
            worker.Start();
            // Ends before the worker goes, as the command line's probes do.
            std::jthread filler =
                probedLater ? FillInLater(jobs, worker, delaysMs) : std::jthread();
            bool closed = false;
            const auto until =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(pick(300, 2500));
            while (!closed && std::chrono::steady_clock::now() < until) {
                std::this_thread::sleep_for(std::chrono::milliseconds(pick(0, 40)));
                // The verbs at random, whatever the state: one that does
                // not apply must be ignored.
                const int press = pick(0, 39);
                if (press < 4) {
                    worker.Pause();
                    ++presses;
                } else if (press < 8) {
                    worker.Resume();
                    ++presses;
                } else if (press < 10) {
                    worker.Stop();
                    ++presses;
                } else if (press < 12) {
                    worker.Restart();
                    ++presses;
                } else if (press < 13) {
                    closed = worker.Cancel();
                    cancelledEarly += closed ? 1 : 0;
                    ++presses;
                } else if (press < 14) {
                    worker.StopAfterCurrent();
                    ++presses;
                } else {
                    // What the dialog reads meanwhile.
                    (void)dialog.rows[pick(0, kJobs - 1)].Events();
                }
            }
            // Close as a user must: Stop first when Cancel is refused.
            for (int attempt = 0; !closed && attempt < 3; ++attempt) {
                closed = worker.Cancel();
                if (!closed)
                    worker.Stop();
            }
            EXPECT_TRUE(closed);
        }

        EXPECT_EQ(watch.overlaps, 0);
        EXPECT_EQ(watch.leftRunning, 0);
        EXPECT_TRUE(FindProcessesByExecutable(program + "/Rendix").empty());
        bool allConverted = true;
        for (int i = 0; i < kJobs; ++i) {
            SCOPED_TRACE("job " + std::to_string(i));
            const JobItem& job = jobs[static_cast<std::size_t>(i)];
            const RecordingJobEvents& row = dialog.rows[i];
            ASSERT_TRUE(job.state == JobState::Waiting || job.state == JobState::Converted);
            if (job.state == JobState::Converted) {
                ++converted;
                EXPECT_EQ(row.Outcome(), JobOutcome::Converted);
                EXPECT_TRUE(fs::exists(root_ / "out" / (job.outputName + ".mp3")));
            } else {
                allConverted = false;
                EXPECT_NE(row.Outcome(), JobOutcome::Converted);
            }
        }
        EXPECT_LE(dialog.shutDownRequests, 1);
        if (dialog.shutDownRequests == 1) {
            EXPECT_TRUE(allConverted);
        }
        if (HasFailure())
            break;
        fs::remove_all(root_ / "out");
    }
    std::printf("%d presses, %d jobs converted, %d rounds closed while pressing\n", presses,
                converted, cancelledEarly);
}
