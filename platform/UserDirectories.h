#pragma once

#include <string>

namespace velmont {

// The folders the freedesktop base-directory and user-dirs conventions give
// this user. Every result ends in a separator; none is created here.

// $HOME, or the password database's home when HOME is unset or relative.
std::string HomeDirectory();

// $XDG_CONFIG_HOME (when absolute) or ~/.config, then "velmont-converter".
std::string UserConfigDirectory();

// XDG_MUSIC_DIR from ~/.config/user-dirs.dirs when set, else ~/Music.
std::string UserMusicDirectory();

// True when this process may create files in the folder. Root may write
// anywhere, so an installed program run as root reads as writable.
bool IsWritableDirectory(const std::string& directory);

// Makes the folder and any missing parents, new ones private (0700);
// true when it exists as a folder afterwards.
bool MakePrivateDirectories(const std::string& directory);

} // namespace velmont
