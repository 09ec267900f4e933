#pragma once

class QCoreApplication;

namespace velmont {

// Puts the window's texts, and those of Qt's standard dialogs, into the
// user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). English, the
// language the texts are written in, needs nothing.
void InstallTranslations(QCoreApplication& application);

} // namespace velmont
