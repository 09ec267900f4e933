// The commands of the main window that act on the file list and its jobs.
// Every one keeps row i and job i together.

#include "ui/main/MainDialog.h"

#include "convert/BatchSession.h"
#include "convert/OutputPlan.h"
#include "model/EncodingParams.h"
#include "model/RunFlags.h"
#include "ui/config/CTagDlg.h"
#include "ui/main/OutputNames.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/Desktop.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace velmont {

int MainDialog::SelectedRowOrTell() {
    const int row = list_->GetFirstSelectedItem();
    if (row < 0)
        ShowInformation(QT_TR_NOOP("No File is selected !"));
    return row;
}

// Removes every selected row; the row before the first of them is selected
// afterwards.
void MainDialog::OnDel() {
    const int row = SelectedRowOrTell();
    if (row < 0)
        return;
    const std::vector<int> rows = list_->GetSelectedItems();
    for (auto last = rows.rbegin(); last != rows.rend(); ++last) {
        list_->DeleteItem(*last);
        jobs_.Erase(std::size_t(*last));
    }
    if (row > 0)
        list_->SetCurSel(row - 1, true);
    else if (list_->GetItemCount() > 0)
        list_->SetCurSel(0, true);
}

void MainDialog::SwapRows(int row, int other) {
    jobs_.SwapNeighbours(std::size_t(row), std::size_t(other));
    RenderRow(row);
    RenderRow(other);
}

void MainDialog::OnDown() {
    const int row = SelectedRowOrTell();
    if (row < 0 || row + 1 >= list_->GetItemCount())
        return;
    SwapRows(row, row + 1);
    list_->SetCurSel(row + 1, true);
}

void MainDialog::OnUp() {
    const int row = SelectedRowOrTell();
    if (row <= 0)
        return;
    SwapRows(row, row - 1);
    list_->SetCurSel(row - 1, true);
}

void MainDialog::OnPlay() {
    const int row = SelectedRowOrTell();
    if (row < 0)
        return;
    if (!desktop_.OpenPath(jobs_[std::size_t(row)].inputPath))
        ShowInformation(
            QT_TR_NOOP("Can not play the file but it does not influence the conversion"));
}

void MainDialog::OnTag() {
    const int row = SelectedRowOrTell();
    if (row < 0)
        return;
    JobItem& job = jobs_[std::size_t(row)];
    TagTexts texts = TagTextsFromJob(job);
    if (RunTagDialog(list_->GetItemText(row, kOutputColumn), texts))
        StoreTagTexts(texts, job);
}

void MainDialog::OnConfig() {
    const int row = list_->GetFirstSelectedItem();
    RunConfigDialog(row >= 0 ? jobs_[std::size_t(row)].formatId : kFormatMp3);
}

void MainDialog::OnGo() {
    engine_.KillStrayEncoders();
    if (!BatchSession::MarkCheckedJobs(jobs_)) {
        ShowInformation(
            QT_TR_NOOP("Please set the check status if you want to convert the file !"));
        return;
    }
    const std::string directory = directoryBox_->text().toStdString();
    if (directory.empty()) {
        directoryBox_->setFocus();
        ShowInformation(QT_TR_NOOP("Please select output directory !"));
        return;
    }
    settings_.SetOutputDirAll(directory);
    for (JobItem& job : jobs_)
        job.keepTreeFolder = settings_.Batch().keepFolderStructure;
    BatchSession session(jobs_, settings_);
    const Preparation prepared = session.Prepare({directory,
                                                  settings_.Batch().simultaneousConversions,
                                                  [this](const std::vector<std::string>& existing) {
                                                      return ExistingOutputPolicyFor(existing);
                                                  },
                                                  {}});
    for (std::size_t row = 0; row < jobs_.Count(); ++row)
        RenderRow(int(row));
    if (prepared == Preparation::NothingToRun) {
        TellEverythingSkipped(); // every checked file was skipped
        return;
    }
    if (prepared != Preparation::Ready)
        return; // the question was cancelled
    ConversionRequest request;
    for (const JobItem& job : jobs_) {
        if (job.state == JobState::Waiting)
            request.paths.push_back(job.inputPath);
    }
    request.outputFolder = directory;
    request.jobs = &jobs_;
    request.engine = &engine_;
    request.session = &session;
    RunConversionDialog(request);
}

// Asked once per window: the answer holds for the later batches.
std::optional<ExistingOutputPolicy>
MainDialog::ExistingOutputPolicyFor(const std::vector<std::string>& existing) {
    if (existingOutputPolicy_)
        return existingOutputPolicy_;
    switch (AskAboutExistingOutputs(existing)) {
    case MessageResult::Overwrite:
        return existingOutputPolicy_ = ExistingOutputPolicy::Overwrite;
    case MessageResult::Skip:
        return existingOutputPolicy_ = ExistingOutputPolicy::Skip;
    case MessageResult::KeepBoth:
        return existingOutputPolicy_ = ExistingOutputPolicy::KeepBoth;
    default:
        return std::nullopt;
    }
}

MessageResult MainDialog::AskAboutExistingOutputs(const std::vector<std::string>& paths) {
    constexpr std::size_t kNamesShown = 8;
    std::string text = tr("These files are already in the output folder:\n").toStdString();
    for (std::size_t i = 0; i < paths.size() && i < kNamesShown; ++i)
        text += "  " + FileNameOfPath(paths[i]) + "\n";
    if (paths.size() > kNamesShown)
        text += tr("  and %1 more\n").arg(paths.size() - kNamesShown).toStdString();
    text += tr("\nOverwrite them, keep both (the new files get free names) or skip those files?")
                .toStdString();
    return desktop_.ShowMessage(text, tr("Information").toStdString(), MessageIcon::Question,
                                MessageButtons::OverwriteKeepBothSkip);
}

void MainDialog::TellEverythingSkipped() {
    // The answer is asked again next time, or the user could never change it.
    existingOutputPolicy_.reset();
    ShowInformation(
        QT_TR_NOOP("Every checked file's output is already in the output folder, so all were "
                   "skipped.\nPress Convert again to choose Overwrite or Keep both instead."));
}

void MainDialog::OnHelp() {
    if (!desktop_.ShowHelp(HelpFilePath()))
        ShowInformation(QT_TR_NOOP("The help could not be opened: is a web browser installed?\n"
                                   "The help is the file help.html beside the program."));
}

// A format picked on a row among several selected ones goes to all of them.
int MainDialog::OnComboSelection(int row, int column) {
    if (column < 0 || row < 0 || std::size_t(row) >= jobs_.Count())
        return 0;
    if (!list_->GetModified(row, column))
        return 0;
    const QString name = list_->GetItemText(row, column);
    const int format = formatNames_.indexOf(name);
    if (format < 0)
        return 0;
    for (int acted : list_->RowsActedOn(row)) {
        jobs_[std::size_t(acted)].formatId = format;
        list_->SetComboBox(acted, column, name);
    }
    return 0;
}

int MainDialog::OnEditEnd(int row, int column) {
    if (column < 0 || row < 0 || std::size_t(row) >= jobs_.Count())
        return 0;
    if (list_->GetModified(row, column)) {
        JobItem& job = jobs_[std::size_t(row)];
        const std::string name =
            CleanTypedOutputName(list_->GetItemText(row, column).toStdString());
        // An empty name would write a hidden ".ext" file that the next empty
        // name overwrites: keep the previous name instead.
        if (!name.empty())
            job.outputName = name;
        list_->SetItemText(row, column, QString::fromStdString(job.outputName));
    }
    return 0;
}

void MainDialog::OnCheckChanged(int row, int column) {
    if (column == kCheckColumn && row >= 0 && std::size_t(row) < jobs_.Count())
        jobs_[std::size_t(row)].checked = list_->GetCheckbox(row, kCheckColumn) == 1;
}

} // namespace velmont
