// Files named on the command line are added to the list at start; Qt's own
// options (such as -platform) are taken out first.

#include "CommandLineFiles.h"
#include "ConverterApp.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    velmont::InstallTranslations(application);
    velmont::ConverterApp converter;
    return converter.InitInstance(velmont::CommandLineFiles(argc, argv));
}
