#pragma once

#include "convert/EncoderLauncher.h"
#include "convert/EncoderOutputParser.h"
#include "convert/JobEvents.h"
#include "model/FormatId.h"
#include "platform/WakeSignal.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace velmont {

class ChildProcess;

// Runs one encoder command line as a child process, reports what it does
// as job events and carries out pause, resume and stop requests. One
// instance is reused for every job of one engine.
//
// Threads: Run is called on the thread that runs jobs (one run at a time);
// the Request operations on any thread. A request wakes the run at once:
// the run sleeps in poll(2) on the encoder's pipe, its end and a wake-up
// signal, so a press reaches the encoder without delay and a quiet or
// suspended encoder costs no CPU.
class EncoderProcess {
  public:
    enum class ControlState {
        Idle = 1, // also: suspended during a run
        PauseRequested = 2,
        StopRequested = 3,
        ResumeRequested = 4,
        Running = 5,
    };

    EncoderProcess() = default;
    virtual ~EncoderProcess() = default;
    EncoderProcess(const EncoderProcess&) = delete;
    EncoderProcess& operator=(const EncoderProcess&) = delete;

    // Starts arguments (the encoder first) and returns when the run is
    // over; events hear everything but OnFinished, which the caller sends
    // once it has dealt with the output. Stopped and ReadFailed leave no
    // process behind.
    virtual JobOutcome Run(const std::vector<std::string>& arguments, IJobEvents& events);
    // Only store a request and wake the run. The last request stored
    // wins. A stop or pause stored while no run is active is carried out
    // by the next Run; a resume stored then cancels it.
    virtual void RequestStop();
    virtual void RequestPause();
    virtual void RequestResume();

    void SetDuration(int seconds) { duration_ = seconds; }
    void SetClipMode(bool clip) { clipMode_ = clip; }

    ControlState State() const { return controlState_.load(); }
    // Of the last run.
    const std::string& StatusText() const { return statusText_; }
    int Duration() const { return duration_; }

  private:
    enum class LoopEnd { ChildEnded, Stopped, OutputInPlace, ReadFailed };

    LoopEnd RunLoop(ChildProcess& child, EncoderOutputParser& parser, IJobEvents& events);
    void TakeRequestsMadeBeforeRun();
    // How the run ended when a stop request ended it.
    std::optional<LoopEnd> ActOnControlState(ChildProcess& child, EncoderOutputParser& parser,
                                             IJobEvents& events);
    JobOutcome OutcomeOfEnd(ChildProcess& child, EncoderOutputParser& parser,
                            const std::string& program);
    void HandleChunk(std::string chunk, EncoderOutputParser& parser);
    void DrainOutput(ChildProcess& child, EncoderOutputParser& parser);
    double ActiveSeconds() const;
    void Request(ControlState state);

    EncoderLauncher launcher_;
    std::atomic<ControlState> controlState_{ControlState::Idle};
    WakeSignal wake_;
    int duration_ = kUnknownDuration;
    bool clipMode_ = false;
    std::string statusText_;

    using Clock = std::chrono::steady_clock;
    Clock::time_point runStart_{};
    Clock::time_point pausedAt_{};
    Clock::duration pausedFor_{};
    bool suspended_ = false;
};

// Shows message and the system's text for the error in the run's text.
void ReportSystemError(EncoderOutputParser& parser, const std::string& message,
                       std::error_code error);

} // namespace velmont
