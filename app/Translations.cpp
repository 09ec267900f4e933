#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmont {

namespace {

// Owned by the application, which outlives every window.
void Install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& application) {
    Install(application, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Built and installed beside the program.
    Install(application, QStringLiteral("velmont"),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
}

} // namespace velmont
