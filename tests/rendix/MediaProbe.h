#pragma once

#include <map>
#include <string>

// What ffprobe sees in a file, by name: "format.format_name",
// "format.duration", "audio.<field>" and "video.<field>" for the first stream
// of each kind, "tags.<key>" for the container's and the streams' tags (keys
// in lower case, the first one found).
using ProbedMedia = std::map<std::string, std::string>;

ProbedMedia ProbeMedia(const std::string& path);

// A probed number; fractions such as "24000/1001" are divided, absent or
// "N/A" values give -1.
double Number(const ProbedMedia& media, const std::string& key);

// Loudest sample of the first audio stream, in dB below full scale.
double AudioPeakDb(const std::string& path);

// Average luma of the given rows of the first video frame, 0..255; -1 when
// no frame decodes.
double LumaOfRows(const std::string& path, int firstRow, int rowCount);
