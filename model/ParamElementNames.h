#pragma once

#include <string>
#include <string_view>

namespace velmont {

// Some format elements of param.ini are named with a leading digit (3gp,
// 3gpc), which XML does not allow in a name, so the XML library rejects the
// whole file. Before parsing, such names get a prefix; lookups add it as
// well, and a document is printed without it.

// The name as it stands in a parsed document.
std::string ParsableName(const char* name);

// Prefixes element names that start with a digit, in start and end tags
// only: comments, CDATA, declarations and attribute values stay as they are.
std::string WithParsableElementNames(std::string_view text);

// The printed document with its element names as the file carries them.
std::string WithOriginalElementNames(std::string_view printed);

} // namespace velmont
