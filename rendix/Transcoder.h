#pragma once

#include "rendix/Options.h"

namespace rendix {

// Runs one conversion as the options say and returns the exit status:
// 0 success, 1 failure, 255 stopped by a signal. Everything it says goes to
// standard output.
int RunConversion(const Options& options);

} // namespace rendix
