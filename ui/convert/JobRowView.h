#pragma once

#include "convert/JobEvents.h"

#include <functional>
#include <string>

namespace velmont {

class CXListCtrl;

// Shows one job's run in its row of the conversion dialog's list, on the
// user-interface thread: bold name while it runs, the progress bar, the Log
// cell (speed and time left while it runs, "Suspended!", "Stopped!", then
// the last status line, or the error line white on red when the run failed;
// "Written as: NAME" when the output took a free name at the last moment),
// and keeps the run's log: its collected text and the current status line.
class JobRowView : public IJobEvents {
  public:
    static constexpr int kNameColumn = 0;
    static constexpr int kProgressColumn = 1;
    static constexpr int kLogColumn = 2;

    // selectOnStart: a starting run selects its row (one job at a time).
    // logChanged is called whenever Log() has changed.
    JobRowView(CXListCtrl& list, int row, int duration, bool selectOnStart,
               std::function<void(int row)> logChanged);

    void OnStarted() override;
    void OnHeaderText(const std::string& text) override;
    void OnDurationKnown(int seconds) override;
    void OnProgress(const JobProgress& progress) override;
    void OnEncoderMessage(const std::string& line) override;
    void OnOutputRenamed(const std::string& path) override;
    void OnPaused() override;
    void OnResumed() override;
    void OnStopped() override;
    void OnFinished(JobOutcome outcome, const std::string& statusText) override;

    std::string Log() const { return text_ + statusLine_ + writtenAsLine_; }
    // Started and not yet ended (a paused run too).
    bool Running() const { return running_; }
    // The run ended by itself: converted, or failed.
    bool Converted() const { return endedByItself_ && !failed_; }
    bool Failed() const { return failed_; }
    // Seconds of the source: its length, and how much is converted.
    double Length() const { return duration_; }
    double SecondsDone() const;

  private:
    void SetBold(bool bold);
    void SetLogCell(const std::string& text);
    // How a converted run ended, in one line for the Log cell.
    std::string EndOfRun(const std::string& statusText) const;
    void LogChanged() { logChanged_(row_); }

    CXListCtrl& list_;
    int row_;
    int duration_; // 0 when not known
    bool selectOnStart_;
    std::function<void(int)> logChanged_;
    bool running_ = false;
    bool endedByItself_ = false; // converted or failed
    bool failed_ = false;
    double secondsDone_ = 0;
    std::string text_;
    std::string statusLine_;
    std::string lastProgressLine_;
    std::string writtenAs_;     // the output's path when it is not the planned one
    std::string writtenAsLine_; // "\r\nWritten as: PATH", or empty
};

} // namespace velmont
