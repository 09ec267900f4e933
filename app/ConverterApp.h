#pragma once

#include <string>
#include <vector>

namespace velmont {

// The process's start-up: names the settings location, reads param.ini and
// runs the main window until it closes.
class ConverterApp {
  public:
    // Runs the window with the given files already in its list (a folder
    // adds its media files as a drop would); returns the
    // process's exit code once the window has closed.
    int InitInstance(const std::vector<std::string>& files);
};

} // namespace velmont
