#pragma once

#include <string>

namespace rendix {

// First line: the program and the libav* library versions it runs on.
std::string BannerLine();

// Joins the header parts. The text from "Duration: " to the end is kept
// short enough that one write(2) of it reaches a pipe reader whole.
std::string HeaderBody(const std::string& description, const std::string& warnings);

} // namespace rendix
