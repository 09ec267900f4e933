#pragma once

#include <stdexcept>

namespace velmont::cli {

// A bad command line: its message names the option; the program exits 2
// before anything runs.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace velmont::cli
