#include "convert/EncoderProcess.h"

#include "platform/Process.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace velmont {

namespace {

constexpr const char* kWaitMessage = "Please wait for the conversion";
constexpr const char* kStoppedLog = "\r\nStopped!\r\n";
constexpr const char* kSuspendedLog = "\r\nSuspended!\r\n";
constexpr const char* kStoppedCell = "Stopped!";
constexpr const char* kSuspendedCell = "Suspended!";

} // namespace

EncoderProcess::EncoderProcess(std::string commandLine, ILogView* logView)
    : logView_(logView), commandLine_(std::move(commandLine)) {}

void EncoderProcess::SetProgressCell(IListCells* list, int row, int column) {
    list_ = list;
    row_ = row;
    progressColumn_ = column;
}

void EncoderProcess::RequestStop() {
    controlState_.store(kStopRequested);
}

void EncoderProcess::RequestPause() {
    controlState_.store(kPauseRequested);
}

void EncoderProcess::RequestResume() {
    controlState_.store(kResumeRequested);
}

void EncoderProcess::ReportSystemError(const std::string& message, std::error_code error) {
    headerMode_ = true;
    std::string text = message + "\r\n";
    if (error)
        text += error.message() + "\r\n";
    else
        text += "No status because FormatMessage failed.\r\n";
    ShowEncoderOutput(std::move(text));
}

int EncoderProcess::Run() {
    const int runStart = logView_ ? logView_->TextLength() : 0;
    logRegionStart_ = runStart;
    statusText_.clear();
    headerMode_ = true;
    ShowEncoderOutput(kWaitMessage);
    // The waiting text stays until the encoder's first output replaces it.
    logRegionStart_ = runStart;
    statusText_.clear();
    headerMode_ = true;
    encoderMessages_.clear();
    lastStatusLine_.clear();

    if (list_) {
        list_->SetCurSel(row_, true);
        list_->UpdateProgress(row_, progressColumn_, 0);
        list_->SetBold(row_, FileColumn(), true);
        list_->SetItemText(row_, LogColumn(), "");
    }
    // A stop or pause posted before this point belongs to this run: the
    // worker posts it between jobs or just before Run. Anything else
    // (idle, or a resume) means: run.
    int state = controlState_.load();
    while (state != kStopRequested && state != kPauseRequested &&
           !controlState_.compare_exchange_weak(state, kRunning)) {
    }
    encodingStarted_ = false;
    runSucceeded_ = false;

    int result = 1;
    {
        ChildProcess child;
        std::error_code error;
        switch (child.Start(commandLine_, error)) {
        case ChildProcess::StartResult::PipeFailed:
            ReportSystemError("Error creating pipe", error);
            controlState_.store(kIdle);
            return -1;
        case ChildProcess::StartResult::SpawnFailed:
            ReportSystemError("Error creating process", error);
            controlState_.store(kIdle);
            return -1;
        case ChildProcess::StartResult::Started:
            break;
        }

        switch (RunLoop(child, runStart)) {
        case LoopEnd::ChildEnded:
            // What the child wrote just before it ended is still in the
            // pipe; its last status line or error must not be lost.
            DrainOutput(child);
            MarkFinished(encodingStarted_ && child.Status().Succeeded());
            result = 1;
            break;
        case LoopEnd::Stopped:
        case LoopEnd::ReadFailed:
            result = 0;
            break;
        }

        // A run that ends on a read failure must not leave an encoder
        // writing its output unobserved.
        if (child.Running())
            child.Terminate();
        if (const std::error_code closeError = child.ClosePipe())
            ReportSystemError("Error closing pipe read handle.", closeError);
    }
    controlState_.store(kIdle);
    return result;
}

EncoderProcess::LoopEnd EncoderProcess::RunLoop(ChildProcess& child, int runStart) {
    std::string chunk;
    for (;;) {
        std::size_t available = 0;
        if (const std::error_code error = child.Peek(available)) {
            ReportSystemError("PeekNamedPipe fialed", error);
            return LoopEnd::ReadFailed;
        }
        if (available > 0) {
            if (const std::error_code error = child.Read(chunk)) {
                ReportSystemError("ReadFile fialed", error);
                return LoopEnd::ReadFailed;
            }
            if (!chunk.empty()) {
                HandlePipeChunk(chunk);
                // An encoder that never stops writing must still be
                // stoppable; pause waits for a quiet moment.
                if (controlState_.load() != kStopRequested)
                    continue;
            }
        }

        std::error_code waitError;
        if (child.TryWait(waitError) != ChildProcess::WaitResult::Running)
            return LoopEnd::ChildEnded;

        if (!ActOnControlState(child, runStart))
            return LoopEnd::Stopped;

        std::this_thread::sleep_for(std::chrono::milliseconds(pollIntervalMs_));
    }
}

void EncoderProcess::HandlePipeChunk(std::string chunk) {
    // The output is handled as text that ends at its first NUL.
    chunk.resize(std::strlen(chunk.c_str()));
    for (char& c : chunk) {
        if (c == '\b')
            c = ' ';
    }
    FilterEncoderBanner(chunk);
    const bool encoding = !headerMode_;
    if (encoding)
        CollectEncoderMessages(chunk);
    ShowEncoderOutput(std::move(chunk));
}

void EncoderProcess::DrainOutput(ChildProcess& child) {
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
        HandlePipeChunk(chunk);
    }
}

bool EncoderProcess::ActOnControlState(ChildProcess& child, int runStart) {
    const int state = controlState_.load();
    switch (state) {
    case kStopRequested:
        if (const std::error_code error = child.Terminate()) {
            ReportSystemError("Error terminating process.", error);
        } else {
            logRegionStart_ = runStart;
            headerMode_ = true;
            ShowEncoderOutput(kStoppedLog);
        }
        if (list_) {
            list_->SetBold(row_, FileColumn(), false);
            list_->UpdateProgress(row_, progressColumn_, 0);
            list_->SetItemText(row_, LogColumn(), kStoppedCell);
        }
        return false;
    case kPauseRequested: {
        if (const std::error_code error = child.Suspend())
            ReportSystemError("Error suspending process.", error);
        else
            ShowEncoderOutput(kSuspendedLog);
        if (list_) {
            list_->SetBold(row_, FileColumn(), false);
            list_->SetItemText(row_, LogColumn(), kSuspendedCell);
        }
        // A request stored meanwhile is kept for the next poll.
        int expected = kPauseRequested;
        controlState_.compare_exchange_strong(expected, kIdle);
        return true;
    }
    case kResumeRequested: {
        if (const std::error_code error = child.Resume())
            ReportSystemError("Error resuming process.", error);
        if (list_) {
            list_->SetBold(row_, FileColumn(), false);
            list_->SetItemText(row_, LogColumn(), "");
        }
        int expected = kResumeRequested;
        controlState_.compare_exchange_strong(expected, kRunning);
        return true;
    }
    default:
        return true;
    }
}

void EncoderProcess::MarkFinished(bool succeeded) {
    runSucceeded_ = succeeded;
    if (!succeeded && encodingStarted_ && !encoderMessages_.empty()) {
        // Encoding-phase messages are not part of the header; put them
        // below the last status line so the failure can be read.
        std::string tail = lastStatusLine_.empty() ? "" : lastStatusLine_ + "\r\n";
        tail += encoderMessages_;
        ShowInLog(logRegionStart_, tail);
        statusText_ += tail;
    }
    if (!list_)
        return;
    list_->SetBold(row_, FileColumn(), false);
    if (succeeded) {
        list_->UpdateProgress(row_, progressColumn_, 100);
        list_->SetItemText(row_, LogColumn(), statusText_);
    } else {
        list_->SetItemText(row_, LogColumn(), statusText_, kWhite, kRed);
    }
}

} // namespace velmont
