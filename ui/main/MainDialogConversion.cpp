// Go's hand-over to the conversion dialog.

#include "ui/main/MainDialog.h"

#include "ui/convert/CConvertDlg.h"

namespace velmont {

void MainDialog::RunConversionDialog(const ConversionRequest& request) {
    CConvertDlg dialog(this);
    dialog.paths = request.paths;
    dialog.outputFolder = request.outputFolder;
    dialog.SetJobList(request.jobs);
    dialog.SetEngine(request.engine);
    dialog.SetSession(request.session);
    dialog.SetDesktop(&desktop_);
    dialog.exec();
}

} // namespace velmont
