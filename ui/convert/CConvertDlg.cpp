#include "ui/convert/CConvertDlg.h"

#include "convert/BatchSession.h"
#include "convert/ConversionEngine.h"
#include "convert/ConversionWorker.h"
#include "convert/FormatClock.h"
#include "model/JobItem.h"
#include "ui/convert/ConvertButtons.h"
#include "ui/convert/ForwardingJobEvents.h"
#include "ui/convert/JobRowView.h"
#include "ui/convert/UiThreadQueue.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/Desktop.h"
#include "ui/widgets/LogEdit.h"
#include "ui/widgets/QtDesktop.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

namespace velmont {

namespace {

constexpr int kWidth = 545;
constexpr int kHeight = 450;
constexpr int kMargin = 15;
constexpr int kRightMargin = 22;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kButtonTop = 370;
constexpr int kNameColumnWidth = 100;
constexpr int kProgressColumnWidth = 100;

constexpr int kNameColumn = JobRowView::kNameColumn;
constexpr int kProgressColumn = JobRowView::kProgressColumn;
constexpr int kLogColumn = JobRowView::kLogColumn;

QString FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return QString::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1));
}

// The buttons' texts, also those the worker's state names.
[[maybe_unused]] const char* const kButtonTexts[] = {
    QT_TRANSLATE_NOOP("velmont::CConvertDlg", "Pause"),
    QT_TRANSLATE_NOOP("velmont::CConvertDlg", "Resume"),
    QT_TRANSLATE_NOOP("velmont::CConvertDlg", "Stop"),
    QT_TRANSLATE_NOOP("velmont::CConvertDlg", "Restart"),
    QT_TRANSLATE_NOOP("velmont::CConvertDlg", "Open Folder"),
    QT_TRANSLATE_NOOP("velmont::CConvertDlg", "Cancel")};

QString ButtonText(const char* text) {
    return QCoreApplication::translate("velmont::CConvertDlg", text);
}

QPushButton* MakeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(ButtonText(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    // Enter must not press a focused button: it does nothing here.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

// What the worker asks of the dialog, called on the worker thread: each
// request is posted behind the list and log changes the worker made
// before it, and none waits for the user-interface thread (which may be
// waiting for the worker in Cancel).
class CConvertDlg::WorkerSide : public IConversionDialog {
  public:
    explicit WorkerSide(CConvertDlg& dialog) : dialog_(dialog) {}

    void BatchStarted() override {
        dialog_.queue_->Post([dialog = &dialog_] {
            dialog->batchStart_ = std::chrono::steady_clock::now();
            dialog->doneAtBatchStart_ = 0;
            for (const auto& view : dialog->rowViews_)
                dialog->doneAtBatchStart_ += view->SecondsDone();
            dialog->UpdateBatchStatus();
        });
    }
    IJobEvents& EventsFor(std::size_t jobIndex) override {
        return *dialog_.rowEvents_.at(std::size_t(dialog_.rowOfJob_.at(jobIndex)));
    }

    void FinishConversion(BatchState) override {
        dialog_.queue_->Post([dialog = &dialog_] { dialog->OnBatchEnded(); });
    }
    // The desktop is asked on the user-interface thread, which also
    // reports a refusal; the worker has nothing more to do either way.
    bool ShutDownComputer() override {
        dialog_.queue_->Post([dialog = &dialog_] { dialog->PowerOffAfterBatch(); });
        return true;
    }
    void ShowShutDownFailed() override {
        dialog_.queue_->Post([dialog = &dialog_] { dialog->ShowShutDownFailed(); });
    }

  private:
    CConvertDlg& dialog_;
};

CConvertDlg::CConvertDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Convert"));
    list_ = new CXListCtrl(this);
    list_->setObjectName(QStringLiteral("list"));
    list_->setAccessibleName(tr("Files being converted"));
    if (auto* corner = list_->findChild<QAbstractButton*>()) // the table's select-all
        corner->setAccessibleName(tr("Select all"));
    log_ = new LogEdit(this);
    log_->setAccessibleName(tr("Conversion log"));
    log_->setObjectName(QStringLiteral("log"));
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pause_ = MakeButton("Pause", "pause", this);
    stop_ = MakeButton("Stop", "stop", this);
    openFolder_ = MakeButton("Open Folder", "openFolder", this);
    cancel_ = MakeButton("Cancel", "cancel", this);
    stopAfterCurrent_ = new QCheckBox(tr("Stop after the current files"), this);
    stopAfterCurrent_->setObjectName(QStringLiteral("stopAfterCurrent"));
    stopAfterCurrent_->setToolTip(
        tr("Let the running files finish and start no new one; Restart goes on"));
    batchStatus_ = new QLabel(this);
    batchStatus_->setObjectName(QStringLiteral("batchStatus"));
    batchStatus_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceControls();

    queue_ = new UiThreadQueue(this);
    workerSide_ = std::make_unique<WorkerSide>(*this);

    connect(pause_, &QPushButton::clicked, this, &CConvertDlg::OnPauseResume);
    connect(stop_, &QPushButton::clicked, this, &CConvertDlg::OnStopRestart);
    connect(openFolder_, &QPushButton::clicked, this, &CConvertDlg::OpenOutputFolder);
    connect(cancel_, &QPushButton::clicked, this, &CConvertDlg::OnCancel);
    connect(stopAfterCurrent_, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked && session_)
            session_->StopAfterCurrent();
        stopAfterCurrent_->setEnabled(!checked);
    });
    connect(list_, &QTableWidget::itemSelectionChanged, this, &CConvertDlg::ShowRowLog);
}

CConvertDlg::~CConvertDlg() {
    // The run must be gone before the views it writes to.
    if (session_)
        session_->End();
}

void CConvertDlg::PlaceControls() {
    setFixedSize(kWidth, kHeight);
    const int listWidth = kWidth - kRightMargin - kMargin;
    list_->setGeometry(kMargin, kMargin, listWidth, 190);
    log_->setGeometry(kMargin, 220, listWidth, 135);
    pause_->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);
    stop_->setGeometry(118, kButtonTop, kButtonWidth, kButtonHeight);
    openFolder_->setGeometry(221, kButtonTop, kButtonWidth, kButtonHeight);
    cancel_->setGeometry(kWidth - kRightMargin - kButtonWidth, kButtonTop, kButtonWidth,
                         kButtonHeight);
    stopAfterCurrent_->setGeometry(kMargin, kButtonTop + 36, 230, 22);
    batchStatus_->setGeometry(250, kButtonTop + 36, listWidth - 235, 22);
}

void CConvertDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!initialised_)
        OnInitDialog();
}

void CConvertDlg::OnInitDialog() {
    if (initialised_)
        return;
    initialised_ = true;
    FillList();
    // Nothing to run: the batch is over before it began (Finished), so the
    // dialog can be closed and the computer stays on.
    if (jobs_ && !jobs_->Empty() && engine_ && session_) {
        session_->Start(
            [directory = engine_->ProgramDirectory()] {
                return std::make_unique<ConversionEngine>(directory);
            },
            *workerSide_);
        started_ = true;
        batchActive_ = session_->State() != BatchState::Stopped;
    }
    ShowButtons();
}

void CConvertDlg::FillList() {
    list_->SetEmptyText(tr("There is no file to convert"));
    list_->InsertColumn(kNameColumn, tr("File Name"), kNameColumnWidth);
    list_->InsertColumn(kProgressColumn, tr("Progress"), kProgressColumnWidth);
    list_->InsertColumn(kLogColumn, tr("Log"),
                        list_->width() - 2 - kNameColumnWidth - kProgressColumnWidth - 2);
    // Waiting and converted jobs have rows, in list order; the rows'
    // lengths give the batch's time left.
    std::vector<int> durations;
    if (jobs_) {
        for (const JobItem& job : *jobs_) {
            const bool shown = job.state != JobState::NotSelected;
            rowOfJob_.push_back(shown ? int(durations.size()) : -1);
            if (shown)
                durations.push_back(job.duration);
        }
    }
    durations.resize(paths.size(), kUnknownDuration);
    const bool selectOnStart = !session_ || session_->Simultaneous() == 1;
    list_->setUpdatesEnabled(false);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const int row = list_->InsertItem(int(i), FileNameOf(paths[i]));
        list_->SetItemToolTipText(row, kNameColumn, QString::fromStdString(paths[i]));
        list_->SetProgress(row, kProgressColumn, true);
        list_->SetItemText(row, kLogColumn, QString());
        rowViews_.push_back(
            std::make_unique<JobRowView>(*list_, row, durations[i], selectOnStart,
                                         [this](int changed) { OnRowLogChanged(changed); }));
        rowEvents_.push_back(std::make_unique<ForwardingJobEvents>(*rowViews_.back(), *queue_));
    }
    list_->setUpdatesEnabled(true);
}

void CConvertDlg::ShowButtons() {
    const ConvertButtons buttons = ButtonsFor(started_ ? session_->State() : BatchState::Finished);
    // Once nothing runs, the button only closes the dialog.
    cancel_->setText(buttons.pauseEnabled ? tr("Cancel") : tr("Close"));
    pause_->setEnabled(buttons.pauseEnabled);
    pause_->setText(ButtonText(buttons.PauseText()));
    stop_->setEnabled(buttons.stopEnabled);
    stop_->setText(ButtonText(buttons.StopText()));
    openFolder_->setEnabled(buttons.openFolderEnabled);
}

void CConvertDlg::OnPauseResume() {
    if (!started_)
        return;
    if (session_->State() == BatchState::Paused)
        session_->Resume();
    else
        session_->Pause();
    ShowButtons();
}

void CConvertDlg::OnStopRestart() {
    if (!started_)
        return;
    if (session_->State() == BatchState::Stopped) {
        session_->Restart();
        batchActive_ = session_->State() == BatchState::Running;
    } else {
        session_->Stop();
    }
    ShowButtons();
}

void CConvertDlg::OnBatchEnded() {
    batchActive_ = false;
    {
        const QSignalBlocker quiet(stopAfterCurrent_);
        stopAfterCurrent_->setChecked(false);
        stopAfterCurrent_->setEnabled(true);
    }
    UpdateBatchStatus();
    // A press made since the worker posted this has changed the state.
    ShowButtons();
    NotifyWhenAway();
}

void CConvertDlg::NotifyWhenAway() {
    // Someone looking at the dialog sees the end already.
    if (isActiveWindow() || rowViews_.empty())
        return;
    int converted = 0;
    int failed = 0;
    for (const auto& view : rowViews_) {
        converted += view->Converted() ? 1 : 0;
        failed += view->Failed() ? 1 : 0;
    }
    Desktop().Notify(BatchOutcomeText(converted, failed).toStdString(), outputFolder);
}

QString CConvertDlg::BatchOutcomeText(int converted, int failed) {
    // Counted forms stay whole so every language can word them its way.
    QString text =
        converted == 1 ? tr("1 file converted") : tr("%1 files converted").arg(converted);
    if (failed > 0)
        text += tr(", %1 failed").arg(failed);
    return text;
}

void CConvertDlg::PowerOffAfterBatch() {
    if (!ShutDownComputer())
        ShowShutDownFailed();
}

void CConvertDlg::ShowShutDownFailed() {
    Desktop().ShowMessage(tr("Failed to shut down").toStdString(), tr("Information").toStdString(),
                          MessageIcon::Information);
}

bool CConvertDlg::ShutDownComputer() {
    return Desktop().PowerOff();
}

void CConvertDlg::OnCancel() {
    if (closed_)
        return;
    if (started_ ? !session_->Cancel() : pause_->isEnabled()) {
        Desktop().ShowMessage(tr("Please stop the conversion at first").toStdString(),
                              tr("Information").toStdString(), MessageIcon::Information);
        return;
    }
    // The session's Cancel has killed stray encoders after its run ended.
    if (!started_ && engine_)
        engine_->KillStrayEncoders();
    // What the ended worker posted still happens: a batch that finished
    // just before the press still powers the computer off.
    queue_->RunPending();
    Close();
}

void CConvertDlg::Close() {
    closed_ = true;
    batchActive_ = false;
    QDialog::reject();
}

int CConvertDlg::ShownRow() const {
    const int selected = list_->GetFirstSelectedItem();
    if (selected >= 0 && std::size_t(selected) < rowViews_.size())
        return selected;
    return FirstRunningRow();
}

int CConvertDlg::FirstRunningRow() const {
    for (std::size_t row = 0; row < rowViews_.size(); ++row) {
        if (rowViews_[row]->Running())
            return int(row);
    }
    return -1;
}

// Moved only when another row becomes the first running one, so the user
// may scroll elsewhere while it runs.
void CConvertDlg::KeepFirstRunningRowInView() {
    const int row = FirstRunningRow();
    if (row >= 0 && row != firstRunningRow_)
        list_->scrollTo(list_->model()->index(row, kNameColumn));
    firstRunningRow_ = row;
}

void CConvertDlg::ShowRowLog() {
    shownRow_ = ShownRow();
    log_->SetText(shownRow_ >= 0 ? rowViews_[std::size_t(shownRow_)]->Log() : std::string());
    log_->ScrollToEnd();
}

void CConvertDlg::OnRowLogChanged(int row) {
    if (row == shownRow_ || ShownRow() != shownRow_)
        ShowRowLog();
    KeepFirstRunningRowInView();
    UpdateBatchStatus();
}

void CConvertDlg::UpdateBatchStatus() {
    double length = 0;
    double done = 0;
    for (const auto& view : rowViews_) {
        length += view->Length();
        done += view->SecondsDone();
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - batchStart_).count();
    QString text;
    if (!batchActive_) {
        text = DoneText(elapsed);
    } else if (length > 0) {
        text = tr("Batch %1 %").arg(int(100 * done / length));
        const double speed = elapsed > 1 ? (done - doneAtBatchStart_) / elapsed : 0;
        if (speed > 0)
            text +=
                tr(", %1 left").arg(QString::fromStdString(FormatClock((length - done) / speed)));
    }
    batchStatus_->setText(text);
}

QString CConvertDlg::DoneText(double elapsed) const {
    int converted = 0;
    int failed = 0;
    for (const auto& view : rowViews_) {
        if (view->Running() || !(view->Converted() || view->Failed()))
            return {}; // stopped before every row had its turn
        converted += view->Converted() ? 1 : 0;
        failed += view->Failed() ? 1 : 0;
    }
    if (rowViews_.empty())
        return {};
    QString text = tr("Done in %1 \u2014 %2 converted")
                       .arg(QString::fromStdString(FormatClock(elapsed)))
                       .arg(converted);
    if (failed > 0)
        text += tr(", %1 failed").arg(failed);
    return text;
}

void CConvertDlg::OpenOutputFolder() {
    if (!Desktop().OpenPath(outputFolder))
        Desktop().ShowMessage(
            tr("The output folder could not be opened (is a file manager installed?):\n")
                    .toStdString() +
                outputFolder,
            tr("Information").toStdString(), MessageIcon::Information);
}

IDesktop& CConvertDlg::Desktop() const {
    return desktop_ ? *desktop_ : SystemDesktop();
}

} // namespace velmont
