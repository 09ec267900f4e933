#pragma once

#include "convert/JobEvents.h"

#include <string>

namespace velmont {

class CXListCtrl;
class LogEdit;

// Shows one job's run in its row of the conversion dialog's list and in the
// log box, on the user-interface thread: bold name while it runs, the
// progress bar, the Log cell ("Suspended!", "Stopped!", the collected text,
// white on red when the run failed) and the run's region at the end of the
// log, which holds its collected text and the current status line.
class JobRowView : public IJobEvents {
  public:
    static constexpr int kNameColumn = 0;
    static constexpr int kProgressColumn = 1;
    static constexpr int kLogColumn = 2;

    JobRowView(CXListCtrl& list, LogEdit& log, int row) : list_(list), log_(log), row_(row) {}

    void OnStarted() override;
    void OnHeaderText(const std::string& text) override;
    void OnProgress(const JobProgress& progress) override;
    void OnEncoderMessage(const std::string& line) override;
    void OnPaused() override;
    void OnResumed() override;
    void OnStopped() override;
    void OnFinished(JobOutcome outcome, const std::string& statusText) override;

  private:
    void ShowRegion();
    void SetRunning(bool running);
    void SetLogCell(const std::string& text);

    CXListCtrl& list_;
    LogEdit& log_;
    int row_;
    int regionStart_ = 0;
    std::string text_;
    std::string statusLine_;
    std::string lastProgressLine_;
};

} // namespace velmont
