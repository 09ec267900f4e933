#include "model/RunFlags.h"

namespace velmont {

std::atomic<bool> ShutdownAfterConversion{false};

} // namespace velmont
