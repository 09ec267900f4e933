// The modal dialogs the main window's commands open.

#include "ui/main/MainDialog.h"

#include "model/ParamFileWriter.h"
#include "ui/config/CConfigDlg.h"
#include "ui/config/CTagDlg.h"
#include "ui/main/AboutBox.h"

namespace velmont {

bool MainDialog::RunTagDialog(const QString& fileName, TagTexts& texts) {
    CTagDlg dialog(fileName, texts, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    texts = dialog.Texts();
    return true;
}

void MainDialog::RunConfigDialog(FormatId formatId) {
    CConfigDlg dialog(settings_, formatId, this);
    if (dialog.exec() == QDialog::Accepted)
        KeepSettings();
}

// A failed save loses nothing: the settings stay in force for this run and
// the file keeps what it had.
void MainDialog::KeepSettings() {
    std::string error;
    if (setup_.paramFiles.user.empty() || SaveUserParamFile(setup_.paramFiles, settings_, &error))
        return;
    desktop_.ShowMessage(tr("The settings could not be kept for the next start.\n").toStdString() +
                             error,
                         tr("Information").toStdString(), MessageIcon::Information);
}

void MainDialog::RunAboutBox() {
    AboutBox box(this);
    box.exec();
}

} // namespace velmont
