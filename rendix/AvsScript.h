#pragma once

#include <string>

namespace rendix {

// What a generated AviSynth wrapper script says: open this file and let the
// video leave at this rate.
struct AvsScript {
    std::string sourcePath;
    double frameRate = 0;
};

struct AvsParseResult {
    bool ok = false;
    std::string error;
    AvsScript script;
};

// Reads the text of a wrapper script. Only the two shapes the converter
// writes are understood (DirectShowSource + ChangeFPS + return last);
// anything else is an error, since no AviSynth runs here.
AvsParseResult ParseAvsScript(const std::string& text);

// Reads the file (a regular file only) and parses it; errors name the path.
AvsParseResult ReadAvsScript(const std::string& path);

bool HasAvsExtension(const std::string& path);

} // namespace rendix
