#pragma once

#include "model/EncodingSettings.h"
#include "model/SettingsFiles.h"

#include <string>

namespace velmont {

// Keeps the settings in the user's param.ini: every value that differs from
// what the built-in defaults and the administrator's file give is written,
// every other one is taken out, so a later change of the administrator's
// file still reaches the values the user never changed. Other elements and
// attributes of the user's file (OutputDir among them) stay; a file that
// cannot be read as XML is kept as param.ini.bak first, and anything but a
// small regular file (a folder, a FIFO) is left alone. The administrator's
// file is only read. The file is replaced atomically; false, with `error`
// saying why, when it could not be written.
bool SaveUserParamFile(const ParamFilePaths& paths, const EncodingSettings& settings,
                       std::string* error = nullptr);

} // namespace velmont
