#pragma once

#include <string>
#include <vector>

namespace velmont {

// The files and folders named on the command line ("velmont-converter a.mp3 b.avi", as a
// file manager's "Open with" passes them), as absolute paths in the order
// given. Paths stay bytes: a name that is not valid in the locale's
// encoding still reaches the file. Qt's own options have already been
// taken out of argv by QApplication.
std::vector<std::string> CommandLineFiles(int argc, char** argv);

} // namespace velmont
