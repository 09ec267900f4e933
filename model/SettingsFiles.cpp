#include "model/SettingsFiles.h"

#include "model/Catalogue.h"
#include "model/EncodingParams.h"
#include "model/ParamAttributes.h"
#include "model/ParamElementNames.h"
#include "model/RunFlags.h"
#include "platform/AtomicWrite.h"
#include "platform/ModuleDirectory.h"
#include "platform/SmallFileRead.h"
#include "platform/UserDirectories.h"

#include <tinyxml2.h>

#include <array>
#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace velmont {

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

// Indexed by FormatId. ogg and m4v have never had an element of their own.
constexpr std::array<const char*, kFormatCount> kFormatElementNames = {
    "aac", "aiff", "amr",   "au",  "flac", "m4a", "mp2", "mp3", nullptr, "wav",  "wma",  "3gpc",
    "3gp", "avi",  nullptr, "mp4", "mpg",  "mov", "flv", "swf", "nut",   "opus", "webm", "mkv"};

void ReadInt(const XMLElement& element, const char* name, int& field) {
    if (const char* value = element.Attribute(name))
        field = ParseIntLikeAtoi(value);
}

void ReadBool(const XMLElement& element, const char* name, bool& field) {
    if (const char* value = element.Attribute(name))
        field = ParseBoolFirstT(value);
}

bool LoadFormatElement(const XMLElement& param, FormatId id, EncodingParams& record) {
    const char* name = FormatElementName(id);
    if (!name)
        return false;
    const XMLElement* element = param.FirstChildElement(ParsableName(name).c_str());
    if (!element)
        return false;

    if (const char* directory = element->Attribute("OutputDir"))
        record.outputDir = directory;
    for (const ParamAttribute& attribute : kParamAttributes) {
        if (attribute.videoGroupOnly && !IsVideoGroupElement(id))
            continue;
        if (attribute.number)
            ReadInt(*element, attribute.name, record.*attribute.number);
        else
            ReadBool(*element, attribute.name, record.*attribute.flag);
    }
    return true;
}

void MakeSkeleton(XMLDocument& document) {
    document.Clear();
    document.InsertEndChild(document.NewDeclaration()); // version="1.0" encoding="UTF-8"
    XMLElement* root = document.NewElement("root");
    document.InsertEndChild(root);
    root->InsertEndChild(document.NewElement("OutDir"));
}

// A document with at least one element, read from a small regular file.
bool LoadRecordDocument(const std::string& path, XMLDocument& document) {
    std::string bytes;
    return ReadSmallRegularFile(path, bytes) &&
           document.Parse(bytes.data(), bytes.size()) == tinyxml2::XML_SUCCESS &&
           document.FirstChildElement();
}

void LoadBatchChoices(const XMLElement& root, BatchChoices& choices) {
    const XMLElement* batch = root.FirstChildElement("batch");
    if (!batch)
        return;
    int simultaneous = choices.simultaneousConversions;
    ReadInt(*batch, "SimultaneousConversions", simultaneous);
    if (simultaneous >= 0 && simultaneous <= kMaxSimultaneousConversions)
        choices.simultaneousConversions = simultaneous;
    ReadBool(*batch, "KeepFolderStructure", choices.keepFolderStructure);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool SaveDocument(const XMLDocument& document, const std::string& path, std::string* error) {
    const std::string folder = FolderOf(path);
    if (!folder.empty() && !MakePrivateDirectories(folder)) {
        if (error)
            *error = "cannot make the folder " + folder;
        return false;
    }
    tinyxml2::XMLPrinter printer;
    document.Print(&printer);
    return WriteFileAtomicallyThroughLinks(
        path, std::string_view(printer.CStr(), printer.CStrSize() - 1), error);
}

} // namespace

void KeepUnreadableAsBackup(const std::string& path) {
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() ==
        std::filesystem::file_type::not_found)
        return;
    std::filesystem::rename(path, path + ".bak", error);
}

ParamFilePaths ParamFilePaths::Installed() {
    return {ParamFilePath(), UserParamFilePath()};
}

std::string ParamFilePath() {
    static const std::string path = GetModuleDirectory() + "param.ini";
    return path;
}

std::string UserParamFilePath() {
    return UserConfigDirectory() + "param.ini";
}

std::string RecordFilePath() {
    return RecordFilePathFor(GetModuleDirectory(), UserConfigDirectory());
}

std::string RecordFilePathFor(const std::string& programDirectory,
                              const std::string& userConfigDirectory) {
    const std::string portable = programDirectory + "record.ini";
    std::error_code error;
    if (!programDirectory.empty() && IsWritableDirectory(programDirectory) &&
        std::filesystem::is_regular_file(portable, error))
        return portable;
    return userConfigDirectory + "record.ini";
}

const char* FormatElementName(FormatId id) {
    return IsValidFormat(id) ? kFormatElementNames[static_cast<std::size_t>(id)] : nullptr;
}

bool IsVideoGroupElement(FormatId id) {
    return id == 5 || IsVideoFormat(id);
}

int ParseIntLikeAtoi(const char* text) {
    if (!text)
        return 0;
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) // saturate instead of overflowing
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

bool ParseBoolFirstT(const char* text) {
    return text && text[0] == 't';
}

void LoadParamFile(EncodingSettings& settings) {
    LoadParamFiles(ParamFilePaths::Installed(), settings);
}

void LoadParamFiles(const ParamFilePaths& paths, EncodingSettings& settings) {
    LoadParamFileFrom(paths.admin, settings);
    LoadParamFileFrom(paths.user, settings);
}

void LoadParamFileFrom(const std::string& path, EncodingSettings& settings) {
    std::string bytes;
    if (!ReadSmallRegularFile(path, bytes))
        return;
    const std::string text = WithParsableElementNames(bytes);
    XMLDocument document;
    if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        return;
    const XMLElement* root = document.FirstChildElement();
    if (!root)
        return;
    LoadBatchChoices(*root, settings.Batch());
    const XMLElement* param = root->FirstChildElement("param");
    if (!param)
        return;
    for (FormatId id = 0; id < kFormatCount; ++id)
        LoadFormatElement(*param, id, *settings.GetEncodingParams(id));
}

std::string LoadOutputDirectory() {
    return LoadOutputDirectoryFrom(RecordFilePath());
}

std::string LoadOutputDirectoryFrom(const std::string& path) {
    XMLDocument document;
    if (!LoadRecordDocument(path, document))
        return {};
    const XMLElement* outDir = document.FirstChildElement()->FirstChildElement("OutDir");
    if (!outDir)
        return {};
    const char* directory = outDir->Attribute("directory");
    return directory ? directory : std::string();
}

bool SaveOutputDirectory(const std::string& directory, std::string* error) {
    return SaveOutputDirectoryTo(RecordFilePath(), directory, error);
}

bool SaveOutputDirectoryTo(const std::string& path, const std::string& directory,
                           std::string* error) {
    XMLDocument document;
    // A file that is missing, malformed or holds no element at all is
    // replaced by the skeleton.
    if (!LoadRecordDocument(path, document)) {
        KeepUnreadableAsBackup(path);
        MakeSkeleton(document);
    }
    XMLElement* root = document.FirstChildElement();
    XMLElement* outDir = root->FirstChildElement("OutDir");
    if (!outDir) {
        root->InsertEndChild(document.NewElement("OutDir"));
        outDir = root->FirstChildElement("OutDir");
        if (!outDir)
            return false;
    }
    outDir->SetAttribute("directory", directory.c_str());
    return SaveDocument(document, path, error);
}

} // namespace velmont
