#pragma once

namespace velmont {

// The process's start-up: names the settings location, reads param.ini and
// runs the main window until it closes.
class ConverterApp {
  public:
    // Returns the process's exit code once the main window has closed.
    int InitInstance();
};

} // namespace velmont
