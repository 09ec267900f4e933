#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rendix {

// Everything the command line asks for. Zero or empty means "not given".
struct Options {
    std::string input;
    std::string output;
    std::string format;     // container name as given with -f
    bool overwrite = false; // -y: replace an existing output
    bool keepBoth = false;  // -keep-both: write beside it under a free name

    // Audio
    bool noAudio = false;
    std::int64_t audioBitrate = 0; // bit/s
    int sampleRate = 0;            // Hz
    int channels = 0;
    int volume = 256; // 256 = unchanged
    std::string audioCodec;

    // Video
    bool noVideo = false;
    int width = 0;
    int height = 0;
    double frameRate = 0;
    double displayAspect = 0; // width / height of the shown picture
    std::int64_t videoBitrate = 0;
    double qscale = 0;
    std::int64_t minRate = 0;
    std::int64_t maxRate = 0;
    std::int64_t bufferSize = 0;
    int pass = 0;
    int cropTop = 0, cropBottom = 0, cropLeft = 0, cropRight = 0;
    int padTop = 0, padBottom = 0, padLeft = 0, padRight = 0;
    std::string videoCodec;
    int level = 0; // H.264 level times ten

    // Timing
    double startSeconds = 0;
    double durationSeconds = 0; // 0 = to the end

    // Tags in command-line order: (option name without dash, text)
    std::vector<std::pair<std::string, std::string>> tags;
};

struct ParseResult {
    bool ok = false;
    std::string error; // one line, no trailing newline
    Options options;
};

// Parses argv[1..argc-1]. The last plain argument is the output path.
ParseResult ParseOptions(const std::vector<std::string>& args);

// "320x240", "320*240" (any one separator character) -> width, height.
bool ParseFrameSize(const std::string& text, int& width, int& height);

// "4:3", "16:9", "1.7778" -> width / height.
bool ParseAspect(const std::string& text, double& aspect);

// Seconds ("12", "12.5") or "[HH:]MM:SS[.frac]".
bool ParseTime(const std::string& text, double& seconds);

} // namespace rendix
