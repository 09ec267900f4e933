// The commands of the main window that act on the file list and its jobs.
// Every one keeps row i and job i together.

#include "ui/main/MainDialog.h"

#include "model/EncodingParams.h"
#include "ui/config/CTagDlg.h"
#include "ui/main/OutputNames.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/Desktop.h"

#include <QLineEdit>

#include <utility>

namespace velmont {

int MainDialog::SelectedRowOrTell() {
    const int row = list_->GetFirstSelectedItem();
    if (row < 0)
        ShowInformation("No File is selected !");
    return row;
}

void MainDialog::OnDel() {
    const int row = SelectedRowOrTell();
    if (row < 0)
        return;
    list_->DeleteItem(row);
    jobs_.Erase(std::size_t(row));
    if (row > 0)
        list_->SetCurSel(row - 1, true);
    else if (list_->GetItemCount() > 0)
        list_->SetCurSel(0, true);
}

void MainDialog::SwapRows(int row, int other) {
    jobs_.SwapNeighbours(std::size_t(row), std::size_t(other));

    const int check = list_->GetCheckbox(row, kCheckColumn);
    list_->SetCheckbox(row, kCheckColumn, list_->GetCheckbox(other, kCheckColumn));
    list_->SetCheckbox(other, kCheckColumn, check);

    const QString path = list_->GetItemToolTipText(row, kNameColumn);
    list_->SetItemToolTipText(row, kNameColumn, list_->GetItemToolTipText(other, kNameColumn));
    list_->SetItemToolTipText(other, kNameColumn, path);

    for (int column : {kNameColumn, kDurationColumn, kOutputColumn}) {
        const QString text = list_->GetItemText(row, column);
        list_->SetItemText(row, column, list_->GetItemText(other, column));
        list_->SetItemText(other, column, text);
    }

    const QString format = list_->GetComboText(row, kFormatColumn);
    list_->SetComboBox(row, kFormatColumn, list_->GetComboText(other, kFormatColumn));
    list_->SetComboBox(other, kFormatColumn, format);
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
    const std::string path = list_->GetItemToolTipText(row, kNameColumn).toStdString();
    if (!desktop_.OpenPath(path))
        ShowInformation("Can not play the file but it does not influence the conversion");
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

    ConversionRequest request;
    for (int row = 0; row < list_->GetItemCount(); ++row) {
        JobItem& job = jobs_[std::size_t(row)];
        if (list_->GetCheckbox(row, kCheckColumn) == 1) {
            job.state = kJobWaiting;
            request.paths.push_back(list_->GetItemToolTipText(row, kNameColumn).toStdString());
        } else {
            job.state = kJobNotSelected;
        }
    }
    if (request.paths.empty()) {
        ShowInformation("Please set the check status if you want to convert the file !");
        return;
    }
    const std::string directory = directoryBox_->text().toStdString();
    if (directory.empty()) {
        directoryBox_->setFocus();
        ShowInformation("Please select output directory !");
        return;
    }
    request.outputFolder = directory;
    SetOutputDirAll(directory);
    request.jobs = &jobs_;
    request.engine = &engine_;
    RunConversionDialog(request);
}

void MainDialog::OnHelp() {
    desktop_.ShowHelp(HelpFilePath());
}

int MainDialog::OnComboSelection(int row, int column) {
    if (column < 0 || row < 0 || std::size_t(row) >= jobs_.Count())
        return 0;
    if (list_->GetModified(row, column)) {
        const int format = formatNames_.indexOf(list_->GetItemText(row, column));
        if (format >= 0)
            jobs_[std::size_t(row)].formatId = format;
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

void MainDialog::SetOutputDirAll(const std::string& directory) {
    for (FormatId id = 0; id < kFormatCount; ++id) {
        if (EncodingParams* record = GetEncodingParams(id))
            record->OutputDir = directory;
    }
}

} // namespace velmont
