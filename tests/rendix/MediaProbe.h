#pragma once

#include <map>
#include <string>
#include <vector>

// What libavformat sees in a file.
struct ProbedStream {
    std::string kind; // "audio" or "video"
    std::string codec;
    int sampleRate = 0;
    int channels = 0;
    int width = 0;
    int height = 0;
    double displayAspect = 0;
    double frameRate = 0;
    std::map<std::string, std::string> tags;
};

struct ProbedMedia {
    bool ok = false;
    std::string format;
    double duration = -1;
    std::map<std::string, std::string> tags; // container tags, lower-case keys
    std::vector<ProbedStream> streams;

    const ProbedStream* find(const std::string& kind) const;
    // A tag of the container or of any stream.
    std::string tag(const std::string& key) const;
};

ProbedMedia ProbeMedia(const std::string& path);

// Largest absolute sample value of the first audio stream, 0..1.
double AudioPeak(const std::string& path);

// Average luma of the given rows of the first decoded video frame, 0..255.
double LumaOfRows(const std::string& path, int firstRow, int rowCount);
