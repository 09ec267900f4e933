#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmont {

// Extensions of source files the encoder opens itself; any other source is
// read through a generated AviSynth script.
inline constexpr std::array<std::string_view, 30> kKnownInputExtensions = {
    ".ac3", ".aiff", ".aifc", ".aif",  ".au",  ".flac", ".fla", ".amr", ".aac", ".mp3",
    ".mp2", ".m2a",  ".ogg",  ".wav",  ".wma", ".ra",   ".rax", ".mp4", ".m4a", ".3gp",
    ".voc", ".avi",  ".mpg",  ".mpeg", ".mpa", ".vob",  ".mov", ".flv", ".swf", ".wax"};

// The text from the last dot of the path's file-name part on, dot included
// ("/a/b.AVI" gives ".AVI"); empty when the name has no dot.
std::string PathExtension(const std::string& path);

// Whether the extension (with its dot) is a known one or one of the further
// media extensions a folder takes (MoreMediaExtensions), ignoring case.
bool IsKnownInputExtension(std::string_view extension);

} // namespace velmont
