#pragma once

#include "model/FormatId.h"

#include <string>

namespace velmont {

// Window position read from param.ini's <pos X Y>; -1 until a file sets it.
extern int PosX;
extern int PosY;

// param.ini and record.ini beside the executable (bare names when the
// executable's folder is unknown).
std::string ParamFilePath();
std::string RecordFilePath();

// param.ini's element name for a format, or null for 8, 14 and unknown ids.
const char* FormatElementName(FormatId id);
// True when the element's video attributes are read: every video format,
// and m4a, whose element has always carried them.
bool IsVideoGroupElement(FormatId id);

// Overrides the built-in parameters with param.ini's values. Silent on
// every failure: the records keep what they had.
void LoadParamFile();
void LoadParamFileFrom(const std::string& path);

// record.ini's output directory, or the empty string.
std::string LoadOutputDirectory();
std::string LoadOutputDirectoryFrom(const std::string& path);

// Stores the output directory in record.ini, keeping its other elements.
bool SaveOutputDirectory(const std::string& directory);
bool SaveOutputDirectoryTo(const std::string& path, const std::string& directory);

// C's atoi, without its undefined behaviour on overflow.
int ParseIntLikeAtoi(const char* text);
// True exactly when the text starts with a lower-case 't'.
bool ParseBoolFirstT(const char* text);

} // namespace velmont
