// The modal dialogs the main window's commands open.

#include "ui/main/MainDialog.h"

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
    dialog.exec();
}

void MainDialog::RunAboutBox() {
    AboutBox box(this);
    box.exec();
}

} // namespace velmont
