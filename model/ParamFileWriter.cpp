#include "model/ParamFileWriter.h"

#include "model/ParamAttributes.h"
#include "model/ParamElementNames.h"
#include "platform/AtomicWrite.h"
#include "platform/SmallFileRead.h"
#include "platform/UserDirectories.h"

#include <tinyxml2.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmont {

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

// An attribute's wanted text, or nothing when the base gives the value.
using Wanted = std::pair<const char*, std::optional<std::string>>;

const char* BoolText(bool value) {
    return value ? "true" : "false";
}

std::optional<std::string> TextIfChanged(int value, int base) {
    return value == base ? std::nullopt : std::optional(std::to_string(value));
}

std::optional<std::string> TextIfChanged(bool value, bool base) {
    return value == base ? std::nullopt : std::optional<std::string>(BoolText(value));
}

std::vector<Wanted> FormatAttributes(FormatId id, const EncodingParams& record,
                                     const EncodingParams& base) {
    std::vector<Wanted> wanted;
    for (const ParamAttribute& attribute : kParamAttributes) {
        if (attribute.videoGroupOnly && !IsVideoGroupElement(id))
            continue;
        wanted.emplace_back(attribute.name,
                            attribute.number
                                ? TextIfChanged(record.*attribute.number, base.*attribute.number)
                                : TextIfChanged(record.*attribute.flag, base.*attribute.flag));
    }
    return wanted;
}

std::vector<Wanted> BatchAttributes(const BatchChoices& choices, const BatchChoices& base) {
    return {{"SimultaneousConversions",
             TextIfChanged(choices.simultaneousConversions, base.simultaneousConversions)},
            {"KeepFolderStructure",
             TextIfChanged(choices.keepFolderStructure, base.keepFolderStructure)}};
}

bool AnyWanted(const std::vector<Wanted>& wanted) {
    for (const auto& [name, text] : wanted)
        if (text)
            return true;
    return false;
}

// Sets the wanted attributes of the parent's first child of that name and
// takes out the others, making the child only when something is wanted.
void ApplyTo(XMLElement& parent, const std::string& name, const std::vector<Wanted>& wanted) {
    XMLElement* element = parent.FirstChildElement(name.c_str());
    if (!element && !AnyWanted(wanted))
        return;
    if (!element)
        element = parent.InsertNewChildElement(name.c_str());
    for (const auto& [attribute, text] : wanted) {
        if (text)
            element->SetAttribute(attribute, text->c_str());
        else
            element->DeleteAttribute(attribute);
    }
}

XMLElement& ChildOrNew(XMLElement& parent, const char* name) {
    XMLElement* child = parent.FirstChildElement(name);
    return child ? *child : *parent.InsertNewChildElement(name);
}

// The user's document, parsed with digit names made parsable. A missing
// file gives a fresh root, and so does one that is not XML (kept aside
// first); something that is no small regular file is left alone.
bool LoadUserDocument(const std::string& path, XMLDocument& document, std::string* error) {
    std::error_code missing;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, missing))) {
        std::string bytes;
        if (!ReadSmallRegularFile(path, bytes)) {
            if (error)
                *error = path + " is not a settings file";
            return false;
        }
        const std::string text = WithParsableElementNames(bytes);
        if (document.Parse(text.data(), text.size()) == tinyxml2::XML_SUCCESS &&
            document.FirstChildElement())
            return true;
        KeepUnreadableAsBackup(path);
    }
    document.Clear();
    document.InsertEndChild(document.NewDeclaration());
    document.InsertEndChild(document.NewElement("root"));
    return true;
}

bool WriteDocument(const XMLDocument& document, const std::string& path, std::string* error) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && !MakePrivateDirectories(folder)) {
        if (error)
            *error = "cannot make the folder " + folder;
        return false;
    }
    tinyxml2::XMLPrinter printer;
    document.Print(&printer);
    return WriteFileAtomicallyThroughLinks(
        path, WithOriginalElementNames(std::string_view(printer.CStr(), printer.CStrSize() - 1)),
        error);
}

} // namespace

bool SaveUserParamFile(const ParamFilePaths& paths, const EncodingSettings& settings,
                       std::string* error) {
    EncodingSettings base;
    LoadParamFileFrom(paths.admin, base);
    XMLDocument document;
    if (!LoadUserDocument(paths.user, document, error))
        return false;
    XMLElement& root = *document.FirstChildElement();
    ApplyTo(root, "batch", BatchAttributes(settings.Batch(), base.Batch()));
    XMLElement& param = ChildOrNew(root, "param");
    for (FormatId id = 0; id < kFormatCount; ++id) {
        const char* name = FormatElementName(id);
        if (name)
            ApplyTo(
                param, ParsableName(name),
                FormatAttributes(id, *settings.GetEncodingParams(id), *base.GetEncodingParams(id)));
    }
    return WriteDocument(document, paths.user, error);
}

} // namespace velmont
