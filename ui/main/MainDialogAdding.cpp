// Adding files: the open-file dialog, drops, and the rows that the
// background prober's results become.

#include "ui/main/MainDialog.h"

#include "ui/convert/UiThreadQueue.h"
#include "ui/main/FormatDuration.h"
#include "ui/main/MediaFileFilters.h"
#include "ui/main/OutputNames.h"
#include "ui/widgets/CXListCtrl.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace velmont {

namespace {

// How soon rows held back behind another dialog are tried again.
constexpr int kArrivedRetryMs = 150;
constexpr QRect kAddingLabelPlace{330, 374, 244, 22};

// The full path, and for a file of a folder tree its folder in the tree.
std::string NameToolTip(const JobItem& job) {
    if (job.treeFolder.empty())
        return job.inputPath;
    return job.inputPath + "\nFolder in the tree: " + job.treeFolder;
}

bool BlockedByOtherModalDialog(const QWidget* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != window;
}

// The job of a probed file as its row starts it: checked, named after the
// file, mp4 for a video of known length and mp3 otherwise.
void PrepareNewJob(JobItem& job) {
    // The row and the job carry the same output name, also for a file the
    // probe could not find on disk.
    job.outputName = WithoutLastExtension(FileNameOfPath(job.inputPath));
    job.formatId = job.duration != kUnknownDuration && job.hasVideo ? kFormatMp4 : kFormatMp3;
    job.checked = true;
}

} // namespace

void MainDialog::InitAdding() {
    probedQueue_ = new UiThreadQueue(this);
    arrivedRetry_ = new QTimer(this);
    arrivedRetry_->setSingleShot(true);
    arrivedRetry_->setInterval(kArrivedRetryMs);
    connect(arrivedRetry_, &QTimer::timeout, this, &MainDialog::AppendArrivedRows);
    addingLabel_ = new QLabel(this);
    addingLabel_->setObjectName(QStringLiteral("addingCount"));
    addingLabel_->setGeometry(kAddingLabelPlace);
    addingLabel_->setAlignment(Qt::AlignCenter);
    addingLabel_->setStyleSheet(
        QStringLiteral("QLabel { background: #FFF8D6; color: #3A3000; border: 1px solid #C8B560; "
                       "border-radius: 4px; }"));
    addingLabel_->hide();
    prober_ = std::make_unique<BackgroundProber>(
        setup_.probe, [queue = probedQueue_, this](std::uint64_t generation, JobItem job) {
            queue->Post([this, generation, job = std::move(job)]() mutable {
                OnProbed(generation, std::move(job));
            });
        });
}

void MainDialog::AddFileRow(const std::string& path, int index) {
    JobItem job;
    job.inputPath = path;
    setup_.probe(job.inputPath, job);
    InsertJobRow(std::move(job), index);
}

void MainDialog::InsertJobRow(JobItem job, int index) {
    PrepareNewJob(job);
    list_->setUpdatesEnabled(false);
    const int row = list_->InsertItem(std::max(index, 0), QString());
    jobs_.Insert(std::size_t(row), std::move(job));
    RenderRow(row);
    list_->SetCurSel(row, true);
    list_->setUpdatesEnabled(true);
}

void MainDialog::RenderRow(int row) {
    const JobItem& job = jobs_[std::size_t(row)];
    list_->SetCheckbox(row, kCheckColumn, job.checked ? 1 : 0);
    list_->SetItemText(row, kNameColumn, QString::fromStdString(FileNameOfPath(job.inputPath)));
    list_->SetItemToolTipText(row, kNameColumn, QString::fromStdString(NameToolTip(job)));
    list_->SetItemText(row, kDurationColumn, QString::fromStdString(FormatDuration(job.duration)));
    list_->SetComboBox(row, kFormatColumn, true, formatNames_, 8, job.formatId, false);
    list_->SetItemText(row, kOutputColumn, QString::fromStdString(job.outputName));
    list_->SetEdit(row, kOutputColumn);
}

void MainDialog::AddFiles(const std::vector<std::string>& paths) {
    std::vector<MediaInput> inputs;
    for (const std::string& path : paths)
        inputs.push_back({path, {}});
    AddInputs(inputs);
}

void MainDialog::AddInputs(const std::vector<MediaInput>& inputs) {
    std::deque<JobItem> jobs;
    for (const MediaInput& input : inputs) {
        jobs.emplace_back();
        jobs.back().inputPath = input.path;
        jobs.back().treeFolder = input.treeFolder;
    }
    QueueForProbing(std::move(jobs));
}

void MainDialog::AddDroppedPaths(const std::vector<std::string>& paths) {
    std::vector<MediaInput> inputs;
    for (const std::string& path : paths) {
        std::vector<MediaInput> found = ExpandMediaInputs({path}, false);
        std::error_code error;
        if (found.empty() && std::filesystem::is_directory(path, error))
            found = OfferSubfolders(path);
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    AddInputs(inputs);
}

std::vector<MediaInput> MainDialog::OfferSubfolders(const std::string& folder) {
    std::vector<MediaInput> tree = MediaFilesInTree(folder);
    if (tree.empty())
        return {};
    const std::string text = tr("The folder \"%1\" holds no media files itself.\nAdd the %2 "
                                "files in its subfolders?")
                                 .arg(QString::fromStdString(FileNameOfPath(folder)))
                                 .arg(qulonglong(tree.size()))
                                 .toStdString();
    const MessageResult answer = desktop_.ShowMessage(text, tr("Information").toStdString(),
                                                      MessageIcon::Question, MessageButtons::YesNo);
    return answer == MessageResult::Yes ? tree : std::vector<MediaInput>{};
}

void MainDialog::OnAdd() {
    const OpenFilesResult chosen = desktop_.ChooseOpenFiles(MediaFileFilters());
    switch (chosen.outcome) {
    case DialogOutcome::Chosen:
        AddFiles(chosen.paths);
        break;
    case DialogOutcome::Failed:
        ShowInformation("Fail to add files.\nMaybe too much files selected.\nPlease select less "
                        "files and try again.");
        break;
    case DialogOutcome::Cancelled:
        break;
    }
}

void MainDialog::QueueForProbing(std::deque<JobItem> jobs) {
    if (jobs.empty())
        return;
    if (addingTotal_ == 0) {
        autoSelectedRow_ = list_->GetFirstSelectedItem();
        setCursor(Qt::BusyCursor);
    }
    addingTotal_ += jobs.size();
    prober_->Enqueue(std::move(jobs));
    ShowAddingProgress();
}

void MainDialog::OnProbed(std::uint64_t generation, JobItem job) {
    if (generation != probeGeneration_)
        return; // probed for a list that was cleared since
    arrived_.push_back(std::move(job));
    AppendArrivedRows();
}

void MainDialog::AppendArrivedRows() {
    if (arrived_.empty())
        return;
    if (BlockedByOtherModalDialog(this)) {
        arrivedRetry_->start();
        return;
    }
    list_->setUpdatesEnabled(false);
    while (!arrived_.empty()) {
        JobItem job = std::move(arrived_.front());
        arrived_.pop_front();
        PrepareNewJob(job);
        const int row = list_->InsertItem(list_->GetItemCount(), QString());
        jobs_.Insert(std::size_t(row), std::move(job));
        RenderRow(row);
        ++addingDone_;
    }
    FollowNewestRow();
    list_->setUpdatesEnabled(true);
    ShowAddingProgress();
    if (addingDone_ >= addingTotal_)
        FinishAdding();
}

// The newest row is selected, as for a single file, until the user selects
// rows of their own while the files come in.
void MainDialog::FollowNewestRow() {
    const std::vector<int> selected = list_->GetSelectedItems();
    const bool untouched =
        selected.empty() || (selected.size() == 1 && selected[0] == autoSelectedRow_);
    if (!untouched)
        return;
    autoSelectedRow_ = list_->GetItemCount() - 1;
    list_->SetCurSel(autoSelectedRow_, true);
}

void MainDialog::ShowAddingProgress() {
    if (addingTotal_ == 0) {
        addingLabel_->hide();
        return;
    }
    addingLabel_->setText(
        tr("Adding files: %1 of %2").arg(qulonglong(addingDone_)).arg(qulonglong(addingTotal_)));
    addingLabel_->show();
    addingLabel_->raise();
}

void MainDialog::FinishAdding() {
    addingTotal_ = 0;
    addingDone_ = 0;
    autoSelectedRow_ = -1;
    unsetCursor();
    ShowAddingProgress();
    emit addingFinished();
}

} // namespace velmont
