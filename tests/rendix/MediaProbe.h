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

// The tags of the container and of the first audio stream (never of a
// picture or a video track), keys in lower case, the container's first.
std::map<std::string, std::string> SoundTags(const std::string& path);

// How many cover pictures the file holds.
int CoverPictures(const std::string& path);

// The chapters as "start title" lines, start in seconds with one decimal.
std::string ChapterList(const std::string& path);

// The display rotation of the first video stream in degrees, 0 when none.
double DisplayRotation(const std::string& path);
