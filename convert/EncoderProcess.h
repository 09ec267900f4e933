#pragma once

#include "convert/ListCells.h"
#include "convert/LogView.h"
#include "model/FormatId.h"

#include <atomic>
#include <string>
#include <system_error>

namespace velmont {

class ChildProcess;

// Runs one encoder command line as a child process, shows its output in
// the log view and the job's row, and carries out pause, resume and stop
// requests. One instance is reused for every job; Run is called on the
// worker thread, the Request operations on the user-interface thread.
class EncoderProcess {
  public:
    // Values of ControlState.
    static constexpr int kIdle = 1; // also: suspended during a run
    static constexpr int kPauseRequested = 2;
    static constexpr int kStopRequested = 3;
    static constexpr int kResumeRequested = 4;
    static constexpr int kRunning = 5;

    static constexpr int kDefaultPollIntervalMs = 100;

    explicit EncoderProcess(std::string commandLine = {}, ILogView* logView = nullptr);
    virtual ~EncoderProcess() = default;
    EncoderProcess(const EncoderProcess&) = delete;
    EncoderProcess& operator=(const EncoderProcess&) = delete;

    // Starts the command line and returns when the run is over:
    // -1 the pipe or the process could not be created; 0 a stop request
    // ended the run or reading the output failed (no process is left
    // behind); 1 the encoder ended by itself (its row turns red when it
    // never reached encoding or did not exit with status 0).
    virtual int Run();
    // Only store a request; Run carries it out at its next idle poll (a
    // stop also right after a chunk of output). The last request stored
    // wins. A stop or pause stored while no run is active is carried out
    // by the next Run; a resume stored then cancels it.
    virtual void RequestStop();
    virtual void RequestPause();
    virtual void RequestResume();

    void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
    // Required before Run.
    void SetLogView(ILogView* logView) { logView_ = logView; }
    // The progress cell of the job's row; the file name is in the column
    // before it, the Log cell in the column after it.
    void SetProgressCell(IListCells* list, int row, int column);
    void SetDuration(int seconds) { duration_ = seconds; }
    void SetClipMode(bool clip) { clipMode_ = clip; }
    void SetPollInterval(int milliseconds) { pollIntervalMs_ = milliseconds; }

    int ControlState() const { return controlState_.load(); }
    bool HeaderMode() const { return headerMode_; }
    const std::string& StatusText() const { return statusText_; }
    int LogRegionStart() const { return logRegionStart_; }
    int Duration() const { return duration_; }
    bool EncodingStarted() const { return encodingStarted_; }
    // The last run ended by itself after reaching encoding, with status 0.
    bool RunSucceeded() const { return runSucceeded_; }

    // Turns one chunk of output (or one of our own messages) into log text,
    // collected header text and progress. Called on the thread that runs.
    void ShowEncoderOutput(std::string chunk);

    // Removes the encoder's banner block and blanks every "FFmpeg".
    static void FilterEncoderBanner(std::string& chunk);

    // Shows message and the system's text for the error in the log and
    // adds them to StatusText.
    void ReportSystemError(const std::string& message, std::error_code error);

  private:
    enum class LoopEnd { ChildEnded, Stopped, ReadFailed };

    LoopEnd RunLoop(ChildProcess& child, int runStart);
    void HandlePipeChunk(std::string chunk);
    void DrainOutput(ChildProcess& child);
    bool ActOnControlState(ChildProcess& child, int runStart); // false: stopped
    void MarkFinished(bool succeeded);
    void CollectEncoderMessages(const std::string& chunk);
    void ShowInLog(int start, const std::string& text);

    int FileColumn() const { return progressColumn_ - 1; }
    int LogColumn() const { return progressColumn_ + 1; }

    std::atomic<int> controlState_{kIdle};
    int pollIntervalMs_ = kDefaultPollIntervalMs;
    ILogView* logView_ = nullptr;
    IListCells* list_ = nullptr;
    int row_ = 0;
    int progressColumn_ = 1;
    std::string commandLine_;
    bool headerMode_ = true;
    std::string statusText_;
    int logRegionStart_ = 0;
    int duration_ = kUnknownDuration;
    bool clipMode_ = false;
    bool encodingStarted_ = false;
    bool runSucceeded_ = false;
    // Encoding-phase lines that are not status lines (an encoder's final
    // error, say), kept so a failed run can show them.
    std::string encoderMessages_;
    std::string lastStatusLine_;
};

// Kills (SIGKILL) every process of this user whose executable is exactly
// the file at path; an empty path does nothing. Returns how many were
// signalled.
int TerminateProcessesByModuleName(const std::string& path);

} // namespace velmont
