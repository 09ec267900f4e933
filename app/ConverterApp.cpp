#include "ConverterApp.h"

#include "ConvertAndQuit.h"

#include "ui/main/MainDialog.h"
#include "ui/skin/SkinArt.h"
#include "ui/widgets/QtDesktop.h"

#include <QApplication>
#include <QIcon>

extern "C" {
#include <libavutil/log.h>
}

namespace velmont {

int ConverterApp::InitInstance(const std::vector<std::string>& files) {
    QCoreApplication::setOrganizationName(QStringLiteral("Velmont Studio"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmont Media Converter"));
    skin::InitSkinResources();
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(skin::kAppIcon)));

    // A file that cannot be probed shows as "--:--:--" in its row; the
    // library's own diagnostics would only clutter the terminal.
    av_log_set_level(AV_LOG_QUIET);

    MainDialog dialog(SystemDesktop());
    dialog.AddDroppedPaths(files);
    const bool convertAndQuit = ConvertAndQuitRequested();
    if (convertAndQuit)
        ArmConvertAndQuit(dialog);
    dialog.exec();
    return convertAndQuit ? ConvertAndQuitExitCode(dialog) : 0;
}

} // namespace velmont
