#pragma once

#include <string>
#include <vector>

namespace velmont {

// The extensions of "All Media Files", lower case with their dot (".mp3"),
// as the window's open-file dialog lists them.
const std::vector<std::string>& MediaFileExtensions();

// Further extensions of audio and video files the probe opens (camcorder
// .mts, .aac, .ogv, .mka, .wv, ...): a folder takes these as well.
const std::vector<std::string>& MoreMediaExtensions();

// Whether a file name ends in one of either list, ignoring case. The
// window's folder drops and the command-line program's folder inputs take
// media files by this one test.
bool IsMediaFileName(const std::string& fileName);

// Natural order of two file names: digit runs compare by value, other
// characters without regard to case.
bool NaturalNameLess(const std::string& a, const std::string& b);

// The media files directly inside a folder, in natural name order; hidden
// files and anything but regular files left out.
std::vector<std::string> MediaFilesInFolder(const std::string& folder);

// Files and folders given together (dropped on the window or named on a
// command line), in the order given: a file stands for itself, whatever its
// type; a folder for MediaFilesInFolder. Anything else is skipped.
std::vector<std::string> ExpandMediaPaths(const std::vector<std::string>& paths);

} // namespace velmont
