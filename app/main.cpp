// Files and folders named on the command line are added to the list at
// start, as a drop would add them; Qt's own options (such as -platform) are
// taken out first.

#include "CommandLineFiles.h"
#include "ConverterApp.h"
#include "InfoOptions.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (const std::optional<std::string> info = velmont::InfoRequested(argc, argv)) {
        std::fputs(info->c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    velmont::InstallTranslations(application);
    velmont::ConverterApp converter;
    return converter.InitInstance(velmont::CommandLineFiles(argc, argv));
}
