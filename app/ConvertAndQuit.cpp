#include "ConvertAndQuit.h"

#include "ui/convert/CConvertDlg.h"
#include "ui/main/MainDialog.h"

#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace velmont {

bool ConvertAndQuitRequested() {
    const char* value = std::getenv("VELMONT_CONVERT_AND_QUIT");
    return value && std::strcmp(value, "1") == 0;
}

void ArmConvertAndQuit(MainDialog& dialog) {
    // The conversion dialog starts its batch when it is shown; once it is
    // visible and no batch is active, the batch is over.
    auto* watch = new QTimer(&dialog);
    QObject::connect(watch, &QTimer::timeout, &dialog, [&dialog] {
        CConvertDlg* conversion = dialog.findChild<CConvertDlg*>();
        if (conversion && conversion->isVisible() && !conversion->BatchActive())
            conversion->OnCancel();
    });
    watch->start(100);
    auto convertAndClose = [&dialog, watch] {
        dialog.OnGo();
        watch->stop();
        dialog.OnClose();
    };
    // The files named at start are probed in the background: convert once
    // the last of them has its row.
    if (dialog.IsAdding())
        QObject::connect(&dialog, &MainDialog::addingFinished, &dialog, convertAndClose,
                         Qt::QueuedConnection);
    else
        QTimer::singleShot(0, &dialog, convertAndClose);
}

int ConvertAndQuitExitCode(const MainDialog& dialog) {
    const JobList& jobs = dialog.Jobs();
    if (jobs.Count() == 0)
        return 1;
    for (std::size_t i = 0; i < jobs.Count(); ++i) {
        if (jobs[i].state != JobState::Converted)
            return 1;
    }
    return 0;
}

} // namespace velmont
