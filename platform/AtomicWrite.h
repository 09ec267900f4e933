#pragma once

#include <string>
#include <string_view>

namespace velmont {

// Replaces the file at `path` with `bytes` so that a reader (or the next
// start after a crash or power loss) sees either the old file or the new
// one, never a mix: the bytes go to a temporary file in the same folder,
// are flushed to disk, and the temporary file is renamed over the target;
// then the folder itself is flushed. A link at `path` is replaced, not
// followed. On failure the target is untouched, the temporary file is
// removed and `error` (when given) says what failed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// The same for a settings file the user may keep elsewhere (a dotfiles
// repository): a symbolic link at `path` is followed, the file it names
// is replaced atomically keeping its mode, and the link stays.
bool WriteFileAtomicallyThroughLinks(const std::string& path, std::string_view bytes,
                                     std::string* error = nullptr);

} // namespace velmont
