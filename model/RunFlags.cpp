#include "model/RunFlags.h"

namespace velmont {

std::atomic<bool> ShutdownAfterConversion{false};
std::atomic<int> SimultaneousConversions{0};
std::atomic<bool> KeepFolderStructure{false};

} // namespace velmont
