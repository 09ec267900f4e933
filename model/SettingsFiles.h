#pragma once

#include "model/EncodingSettings.h"
#include "model/FormatId.h"

#include <string>

namespace velmont {

// param.ini beside the executable: an administrator's overrides (a bare
// name when the executable's folder is unknown).
std::string ParamFilePath();
// The user's own param.ini in their configuration folder; read after the
// administrator's, so its attributes win one by one.
std::string UserParamFilePath();
// The two param.ini files, read in this order.
struct ParamFilePaths {
    std::string admin; // beside the executable; never written
    std::string user;  // in the user's configuration folder

    static ParamFilePaths Installed();
};

// record.ini in the user's configuration folder, except for a portable
// copy: a program folder the user can write that already holds record.ini
// keeps using that one.
std::string RecordFilePath();
std::string RecordFilePathFor(const std::string& programDirectory,
                              const std::string& userConfigDirectory);

// param.ini's element name for a format, or null for 8, 14 and unknown ids.
const char* FormatElementName(FormatId id);
// True when the element's video attributes are read: every video format,
// and m4a, whose param.ini element carries the mp4 family's video
// attributes.
bool IsVideoGroupElement(FormatId id);

// Overrides the records and batch choices with the values of the
// administrator's param.ini, then of the user's. Silent on every failure:
// the settings keep what they had. Files that are not regular or exceed
// 1 MB are ignored.
void LoadParamFile(EncodingSettings& settings);
void LoadParamFiles(const ParamFilePaths& paths, EncodingSettings& settings);
void LoadParamFileFrom(const std::string& path, EncodingSettings& settings);

// record.ini's output directory, or the empty string.
std::string LoadOutputDirectory();
std::string LoadOutputDirectoryFrom(const std::string& path);

// Stores the output directory in record.ini, keeping its other elements,
// and makes the file's folder when missing. The file is replaced as a
// whole (see WriteFileAtomicallyThroughLinks: a link is followed to the
// file it names, which keeps its mode); one that cannot be read as XML is kept
// as record.ini.bak first. False, with `error` saying why, when the file
// could not be written.
bool SaveOutputDirectory(const std::string& directory, std::string* error = nullptr);
bool SaveOutputDirectoryTo(const std::string& path, const std::string& directory,
                           std::string* error = nullptr);

// Moves a settings file the program cannot read to NAME.bak, so the user
// can still look at what it held; nothing when there is no file.
void KeepUnreadableAsBackup(const std::string& path);

// C's atoi, without its undefined behaviour on overflow.
int ParseIntLikeAtoi(const char* text);
// True exactly when the text starts with a lower-case 't'.
bool ParseBoolFirstT(const char* text);

} // namespace velmont
