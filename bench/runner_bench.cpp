// How the encoder runner waits: the time from a Stop press to the encoder's
// end, and the CPU time an idle run costs (an encoder that prints nothing
// for a while, or one that is paused). Each figure is printed beside the
// same measure for a reference that peeks at the pipe and sleeps 100 ms
// between peeks, as a polling runner would.
// Usage: runner_bench [idle seconds, default 60]
#include "convert/EncoderProcess.h"
#include "platform/Process.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <random>
#include <sys/resource.h>
#include <thread>

using namespace velmont;
using Clock = std::chrono::steady_clock;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The reference: peek, and sleep 100 ms whenever nothing is waiting.
struct PollingRunner {
    std::atomic<bool> stop{false};
    void Run(const std::vector<std::string>& command) {
        ChildProcess child;
        std::error_code error;
        child.Start(command, error);
        std::string chunk;
        while (!stop) {
            std::size_t waiting = 0;
            child.Peek(waiting);
            if (waiting > 0) {
                child.Read(chunk);
                continue;
            }
            if (child.TryWait(error) != ChildProcess::WaitResult::Running)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        child.Terminate();
    }
};

struct Figures {
    double stopSeconds;
    double idleCpuSeconds;
};

template <typename Start, typename Stop>
Figures Measure(double idleSeconds, Start start, Stop stop) {
    const double cpuBefore = CpuSeconds();
    auto run = std::async(std::launch::async, start);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const double idleCpu = CpuSeconds() - cpuBefore;
    const Clock::time_point pressed = Clock::now();
    stop();
    run.wait();
    return {Since(pressed), idleCpu};
}

} // namespace

// Stop latency averaged over presses at random moments, and the CPU time
// of one long idle run.
template <typename Start, typename Stop>
Figures Average(double idleSeconds, Start start, Stop stop) {
    constexpr int kPresses = 10;
    std::mt19937 random(7);
    double stopTotal = 0;
    for (int press = 0; press < kPresses; ++press) {
        const double wait = std::uniform_real_distribution<double>(0.2, 0.5)(random);
        stopTotal += Measure(wait, start, stop).stopSeconds;
    }
    return {stopTotal / kPresses, Measure(idleSeconds, start, stop).idleCpuSeconds};
}

int main(int argc, char** argv) {
    const double idleSeconds = argc > 1 ? std::atof(argv[1]) : 60.0;
    const std::vector<std::string> idleEncoder{"sleep", "3600"};
    std::printf("An encoder that prints nothing: Stop pressed at random moments (mean of 10), "
                "and the CPU of %.0f s of waiting:\n",
                idleSeconds);

    EncoderProcess runner;
    IJobEvents quiet;
    const Figures ours = Average(
        idleSeconds, [&] { runner.Run(idleEncoder, quiet); }, [&] { runner.RequestStop(); });
    PollingRunner polling;
    const Figures reference = Average(
        idleSeconds,
        [&] {
            polling.stop = false;
            polling.Run(idleEncoder);
        },
        [&] { polling.stop = true; });
    std::printf("%-28s %14s %18s\n", "", "Stop to end", "CPU while idle");
    std::printf("%-28s %12.1f ms %16.1f ms\n", "runner (poll + wake-up)", ours.stopSeconds * 1000,
                ours.idleCpuSeconds * 1000);
    std::printf("%-28s %12.1f ms %16.1f ms\n", "reference (100 ms sleeps)",
                reference.stopSeconds * 1000, reference.idleCpuSeconds * 1000);
    std::printf("ratios (runner / reference): stop %.2f, idle CPU %.2f\n",
                ours.stopSeconds / reference.stopSeconds,
                reference.idleCpuSeconds > 0 ? ours.idleCpuSeconds / reference.idleCpuSeconds
                                             : 0.0);
    return 0;
}
