#pragma once

#include <string>

namespace rendix {

// Opens an existing regular file for reading and returns its descriptor, or
// -1 with error holding "path: reason". A FIFO, a device or a folder is
// refused before anything opens it: opening or reading one can wait forever.
int OpenRegularFile(const std::string& path, std::string& error);

} // namespace rendix
