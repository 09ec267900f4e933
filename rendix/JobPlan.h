#pragma once

#include "rendix/CodecNames.h"
#include "rendix/InputMedia.h"
#include "rendix/Options.h"

#include <string>

namespace rendix {

// What one run will do, decided before anything is written: the file to
// open, the container, which streams with which encoders.
struct JobPlan {
    std::string inputPath;  // the file actually opened
    std::string inputLabel; // how the header names it
    double scriptRate = 0;  // ChangeFPS rate of a wrapper script
    std::string muxer;
    bool audio = false;
    bool video = false;
    AudioEncoderChoice audioEncoder;
    std::string videoEncoder;
    bool twoPass = false;
    bool h263pAsH263 = false;
    double expectedSeconds = -1; // output length when known
};

// Checks the names, refuses an output that is the input or that exists
// without -y, opens the input and chooses streams and encoders. On failure
// error holds one line.
bool MakeJobPlan(const Options& options, InputMedia& input, JobPlan& plan, std::string& error);

} // namespace rendix
