#include "model/MediaFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace velmont {

namespace fs = std::filesystem;

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// Compares the digit runs starting at a[i] and b[j]; advances both past them.
int CompareNumbers(const std::string& a, std::size_t& i, const std::string& b, std::size_t& j) {
    while (i < a.size() && a[i] == '0')
        ++i;
    while (j < b.size() && b[j] == '0')
        ++j;
    const std::size_t startA = i;
    const std::size_t startB = j;
    while (i < a.size() && IsDigit(a[i]))
        ++i;
    while (j < b.size() && IsDigit(b[j]))
        ++j;
    const std::size_t lengthA = i - startA;
    const std::size_t lengthB = j - startB;
    if (lengthA != lengthB)
        return lengthA < lengthB ? -1 : 1;
    return a.compare(startA, lengthA, b, startB, lengthB);
}

} // namespace

const std::vector<std::string>& MediaFileExtensions() {
    static const std::vector<std::string> extensions = {
        ".rm",  ".rmvb", ".ra",  ".ram",  ".rv",   ".ac3",  ".aif", ".aifc", ".aiff", ".amr",
        ".au",  ".flac", ".fla", ".m4a",  ".mp2",  ".mp3",  ".ogg", ".wav",  ".wma",  ".3g2",
        ".3gp", ".avi",  ".mpg", ".mpeg", ".mpa",  ".m4v",  ".mp4", ".mov",  ".wm",   ".wmv",
        ".asf", ".asx",  ".flv", ".swf",  ".opus", ".webm", ".mkv"};
    return extensions;
}

const std::vector<std::string>& MoreMediaExtensions() {
    static const std::vector<std::string> extensions = {
        ".aac", ".m4b",  ".m4r",  ".mka",  ".mk3d", ".oga", ".ogv", ".ogx",  ".spx",
        ".wv",  ".ape",  ".mpc",  ".tta",  ".tak",  ".caf", ".w64", ".rf64", ".snd",
        ".voc", ".dts",  ".eac3", ".mlp",  ".thd",  ".shn", ".gsm", ".awb",  ".m2a",
        ".mts", ".m2ts", ".m2t",  ".ts",   ".tod",  ".mod", ".vob", ".dv",   ".mxf",
        ".nut", ".f4v",  ".f4a",  ".3gpp", ".divx", ".qt",  ".m1v", ".m2v",  ".wax"};
    return extensions;
}

bool IsMediaFileName(const std::string& fileName) {
    const std::string name = Lower(fileName);
    const auto endsInOneOf = [&name](const std::vector<std::string>& extensions) {
        return std::any_of(extensions.begin(), extensions.end(), [&name](const auto& extension) {
            return name.size() > extension.size() &&
                   name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
        });
    };
    return endsInOneOf(MediaFileExtensions()) || endsInOneOf(MoreMediaExtensions());
}

bool NaturalNameLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (const int order = CompareNumbers(a, i, b, j); order != 0)
                return order < 0;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b; // names equal but for case or leading zeros: keep a fixed order
}

std::vector<std::string> MediaFilesInFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.' || !IsMediaFileName(name))
            continue;
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalNameLess);
    std::vector<std::string> files;
    for (const std::string& name : names)
        files.push_back((fs::path(folder) / name).string());
    return files;
}

std::vector<std::string> ExpandMediaPaths(const std::vector<std::string>& paths) {
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (error)
            continue;
        if (fs::is_directory(status)) {
            const std::vector<std::string> inside = MediaFilesInFolder(path);
            files.insert(files.end(), inside.begin(), inside.end());
        } else if (fs::is_regular_file(status)) {
            files.push_back(path);
        }
    }
    return files;
}

} // namespace velmont
