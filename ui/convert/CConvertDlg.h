#pragma once

#include <QDialog>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmont {

class CXListCtrl;
class BatchSession;
class ConversionEngine;
class ForwardingJobEvents;
class IDesktop;
class JobRowView;
class JobList;
class LogEdit;
class UiThreadQueue;

// The modal "Convert" dialog: one row per waiting job, the encoder's log and
// Pause/Resume, Stop/Restart, Open Folder and Cancel. Showing it starts the
// prepared batch session, which runs the waiting jobs in list order; the
// toggle buttons are mapped onto the session's verbs here. The worker never
// touches a widget: its list and log changes, the end of a batch and the
// power-off reach the user-interface thread in the order it made them.
//
// The caller fills paths and outputFolder, hands over the job list, the
// engine and the prepared session (all outlive the dialog) and runs exec().
class CConvertDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CConvertDlg(QWidget* parent = nullptr);
    // Ends the session's run: nothing of it outlives the dialog and no
    // encoder of it is left running.
    ~CConvertDlg() override;

    // Full paths of the waiting jobs in job-list order, one row each.
    std::vector<std::string> paths;
    // Opened by Open Folder.
    std::string outputFolder;

    void SetJobList(JobList* jobs) { jobs_ = jobs; }
    void SetEngine(ConversionEngine* engine) { engine_ = engine; }
    void SetSession(BatchSession* session) { session_ = session; }
    // Message boxes, the folder and powering off go through it; the real
    // desktop when not set.
    void SetDesktop(IDesktop* desktop) { desktop_ = desktop; }

    CXListCtrl* List() const { return list_; }
    LogEdit* Log() const { return log_; }
    QPushButton* PauseButton() const { return pause_; }
    QPushButton* StopButton() const { return stop_; }
    QPushButton* OpenFolderButton() const { return openFolder_; }
    QPushButton* CancelButton() const { return cancel_; }
    QCheckBox* StopAfterCurrentBox() const { return stopAfterCurrent_; }
    QLabel* BatchStatus() const { return batchStatus_; }
    // True from the start of a batch until its end has reached the dialog.
    bool BatchActive() const { return batchActive_; }

    // Fills the list and starts the worker; showing the dialog does it
    // once by itself.
    void OnInitDialog();
    void OnPauseResume();
    void OnStopRestart();
    void OpenOutputFolder();
    // Shows the selected row's log in the log box (live while it runs; the
    // first running row when none is selected).
    void ShowRowLog();
    // Refused with a message while a batch runs or is paused; otherwise
    // waits for a stopping worker, kills stray encoders and closes.
    void OnCancel();
    // Powers the computer off through the desktop; false when refused.
    bool ShutDownComputer();

    // Enter does nothing; Escape and the close box come to OnCancel.
    void accept() override {}
    void reject() override { OnCancel(); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    class WorkerSide;

    void PlaceControls();
    void FillList();
    void ShowButtons();
    // On the user-interface thread, after everything the batch showed.
    void OnBatchEnded();
    void PowerOffAfterBatch();
    // A desktop notification of how the batch went, when the user is
    // elsewhere.
    void NotifyWhenAway();
    // "12 files converted, 1 failed"
    static QString BatchOutcomeText(int converted, int failed);
    void OnRowLogChanged(int row);
    // The batch's progress and time left, or how long it took.
    void UpdateBatchStatus();
    // "Done in 0:04 — 1 converted, 1 failed" once every row has run.
    QString DoneText(double elapsed) const;
    int ShownRow() const;
    int FirstRunningRow() const;
    // Several rows run at once: the first running one stays in sight.
    void KeepFirstRunningRowInView();
    void ShowShutDownFailed();
    void Close();
    IDesktop& Desktop() const;

    CXListCtrl* list_ = nullptr;
    LogEdit* log_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* openFolder_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QCheckBox* stopAfterCurrent_ = nullptr;
    QLabel* batchStatus_ = nullptr;
    int shownRow_ = -1;
    int firstRunningRow_ = -1;
    std::vector<int> rowOfJob_; // -1: the job has no row
    std::chrono::steady_clock::time_point batchStart_{};
    double doneAtBatchStart_ = 0;

    JobList* jobs_ = nullptr;
    ConversionEngine* engine_ = nullptr;
    BatchSession* session_ = nullptr;
    IDesktop* desktop_ = nullptr;

    bool initialised_ = false;
    bool started_ = false; // the session runs
    bool batchActive_ = false;
    bool closed_ = false;

    // The session's run ends in the destructor, before what it reports to;
    // the queue (a child object) goes with the dialog.
    UiThreadQueue* queue_ = nullptr;
    // Row i's view and the worker's way to it; jobs that are not waiting
    // have none.
    std::vector<std::unique_ptr<JobRowView>> rowViews_;
    std::vector<std::unique_ptr<ForwardingJobEvents>> rowEvents_;
    std::unique_ptr<WorkerSide> workerSide_;
};

} // namespace velmont
