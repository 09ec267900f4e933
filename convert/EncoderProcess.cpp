#include "convert/EncoderProcess.h"

#include "platform/Process.h"
#include "platform/ProcessIdentity.h"

#include <algorithm>
#include <cstring>

namespace velmont {

namespace {

std::string ProgramName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// How long a stopped encoder may take to remove its unfinished output.
constexpr std::chrono::milliseconds kStopGrace{2000};

} // namespace

void ReportSystemError(EncoderOutputParser& parser, const std::string& message,
                       std::error_code error) {
    std::string text = message + "\r\n";
    if (error)
        text += error.message() + "\r\n";
    else
        text += "No status because FormatMessage failed.\r\n";
    parser.AddMessage(text);
}

void EncoderProcess::Request(ControlState state) {
    controlState_.store(state);
    wake_.Raise();
}

void EncoderProcess::RequestStop() {
    Request(ControlState::StopRequested);
}

void EncoderProcess::RequestPause() {
    Request(ControlState::PauseRequested);
}

void EncoderProcess::RequestResume() {
    Request(ControlState::ResumeRequested);
}

void EncoderProcess::TakeRequestsMadeBeforeRun() {
    // A stop or pause posted before this point belongs to this run: the
    // worker posts it between jobs or just before Run. Anything else
    // (idle, or a resume) means: run.
    ControlState state = controlState_.load();
    while (state != ControlState::StopRequested && state != ControlState::PauseRequested &&
           !controlState_.compare_exchange_weak(state, ControlState::Running)) {
    }
}

JobOutcome EncoderProcess::Run(const std::vector<std::string>& arguments, IJobEvents& events) {
    EncoderOutputParser parser(events);
    parser.Begin(duration_, clipMode_);
    statusText_.clear();
    runStart_ = Clock::now();
    pausedFor_ = {};
    suspended_ = false;
    events.OnStarted();
    TakeRequestsMadeBeforeRun();

    JobOutcome outcome = JobOutcome::Converted;
    {
        ChildProcess child;
        std::error_code error;
        // Marked as ours: it ends with us, and no other window takes it for
        // a lost one.
        const ChildProcess::StartResult started = launcher_.Start(
            child, arguments, {std::string(kEncoderOwnerVariable) + "=" + OwnIdentity().ToText()},
            error);
        if (started != ChildProcess::StartResult::Started) {
            ReportSystemError(parser,
                              started == ChildProcess::StartResult::PipeFailed
                                  ? "Error creating pipe"
                                  : "Error creating process",
                              error);
            statusText_ = parser.StatusText();
            controlState_.store(ControlState::Idle);
            return JobOutcome::NotStarted;
        }

        switch (RunLoop(child, parser, events)) {
        case LoopEnd::ChildEnded:
            outcome = OutcomeOfEnd(child, parser, arguments.front());
            break;
        case LoopEnd::Stopped:
            outcome = JobOutcome::Stopped;
            break;
        case LoopEnd::OutputInPlace:
            parser.Flush(ActiveSeconds());
            outcome = JobOutcome::Converted;
            break;
        case LoopEnd::ReadFailed:
            outcome = JobOutcome::ReadFailed;
            break;
        }

        // A run that ends on a read failure must not leave an encoder
        // writing its output unobserved.
        if (child.Running())
            child.Terminate();
        if (const std::error_code closeError = child.ClosePipe())
            ReportSystemError(parser, "Error closing pipe read handle.", closeError);
    }
    duration_ = parser.Duration();
    statusText_ = parser.StatusText();
    controlState_.store(ControlState::Idle);
    return outcome;
}

EncoderProcess::LoopEnd EncoderProcess::RunLoop(ChildProcess& child, EncoderOutputParser& parser,
                                                IJobEvents& events) {
    std::string chunk;
    for (;;) {
        // Cleared before the state is read: a request stored after this
        // point wakes the next wait.
        wake_.Clear();
        if (const std::optional<LoopEnd> end = ActOnControlState(child, parser, events))
            return *end;

        switch (child.WaitForActivity(wake_.Fd(), -1)) {
        case ChildProcess::Activity::Output:
            if (const std::error_code error = child.Read(chunk)) {
                ReportSystemError(parser, "ReadFile fialed", error);
                return LoopEnd::ReadFailed;
            }
            if (!chunk.empty())
                HandleChunk(chunk, parser);
            break;
        case ChildProcess::Activity::Wake:
            break;
        case ChildProcess::Activity::Failed:
            ReportSystemError(parser, "PeekNamedPipe fialed",
                              std::error_code(errno, std::system_category()));
            return LoopEnd::ReadFailed;
        case ChildProcess::Activity::Ended:
        case ChildProcess::Activity::TimedOut: {
            std::error_code waitError;
            if (child.TryWait(waitError) != ChildProcess::WaitResult::Running)
                return LoopEnd::ChildEnded;
            break;
        }
        }
    }
}

JobOutcome EncoderProcess::OutcomeOfEnd(ChildProcess& child, EncoderOutputParser& parser,
                                        const std::string& program) {
    // What the child wrote just before it ended is still in the pipe; its
    // last status line or error must not be lost.
    DrainOutput(child, parser);
    parser.Flush(ActiveSeconds());
    const ExitStatus& status = child.Status();
    const bool succeeded = parser.EncodingStarted() && status.Succeeded();
    parser.NoteEnded(succeeded);
    if (!status.known)
        parser.AddMessage(ProgramName(program) + " ended without an exit status\r\n");
    if (status.signalled)
        parser.AddMessage(ProgramName(program) + " was killed by signal " +
                          std::to_string(status.signal) + "\r\n");
    return succeeded ? JobOutcome::Converted : JobOutcome::Failed;
}

void EncoderProcess::HandleChunk(std::string chunk, EncoderOutputParser& parser) {
    // The output is handled as text that ends at its first NUL.
    chunk.resize(std::strlen(chunk.c_str()));
    std::replace(chunk.begin(), chunk.end(), '\b', ' ');
    FilterEncoderBanner(chunk);
    parser.Feed(chunk, ActiveSeconds());
}

void EncoderProcess::DrainOutput(ChildProcess& child, EncoderOutputParser& parser) {
    // Read only what the ended child left; a grandchild still writing
    // must not keep the run alive.
    std::size_t remaining = 0;
    if (child.Peek(remaining))
        return;
    std::string chunk;
    while (remaining > 0) {
        if (child.Read(chunk) || chunk.empty())
            return;
        remaining -= std::min(remaining, chunk.size());
        HandleChunk(chunk, parser);
    }
}

std::optional<EncoderProcess::LoopEnd>
EncoderProcess::ActOnControlState(ChildProcess& child, EncoderOutputParser& parser,
                                  IJobEvents& events) {
    switch (controlState_.load()) {
    case ControlState::StopRequested:
        if (const std::error_code error = child.Stop(kStopGrace)) {
            ReportSystemError(parser, "Error terminating process.", error);
        } else if (child.Status().Succeeded()) {
            // It had finished its output when the stop came: converted.
            return LoopEnd::ChildEnded;
        }
        // Its output may have been put in place just before the stop came,
        // with the encoder's end then cut short: the file is whole all the
        // same, and the job converted.
        DrainOutput(child, parser);
        if (parser.OutputInPlace())
            return LoopEnd::OutputInPlace;
        parser.NoteStopped();
        events.OnStopped();
        return LoopEnd::Stopped;
    case ControlState::PauseRequested: {
        if (const std::error_code error = child.Suspend()) {
            ReportSystemError(parser, "Error suspending process.", error);
        } else if (!suspended_) {
            suspended_ = true;
            pausedAt_ = Clock::now();
        }
        parser.NotePaused();
        events.OnPaused();
        // A request stored meanwhile is kept for the next look.
        ControlState expected = ControlState::PauseRequested;
        controlState_.compare_exchange_strong(expected, ControlState::Idle);
        return std::nullopt;
    }
    case ControlState::ResumeRequested: {
        if (const std::error_code error = child.Resume())
            ReportSystemError(parser, "Error resuming process.", error);
        if (suspended_) {
            suspended_ = false;
            pausedFor_ += Clock::now() - pausedAt_;
        }
        events.OnResumed();
        ControlState expected = ControlState::ResumeRequested;
        controlState_.compare_exchange_strong(expected, ControlState::Running);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

double EncoderProcess::ActiveSeconds() const {
    const Clock::duration active = Clock::now() - runStart_ - pausedFor_;
    return std::chrono::duration<double>(active).count();
}

} // namespace velmont
