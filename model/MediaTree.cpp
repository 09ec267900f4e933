#include "model/MediaTree.h"

#include "model/MediaFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace velmont {

namespace fs = std::filesystem;

namespace {

// Real folders only: symlink_status never looks through a link.
std::vector<std::string> SubfolderNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.empty() && name.front() != '.' && fs::is_directory(it->symlink_status(typeError)))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalNameLess);
    return names;
}

std::string Below(const std::string& treeFolder, const std::string& name) {
    return treeFolder.empty() ? name : treeFolder + '/' + name;
}

void CollectTree(const std::string& folder, const std::string& treeFolder,
                 std::vector<MediaInput>& found) {
    for (std::string& file : MediaFilesInFolder(folder))
        found.push_back({std::move(file), treeFolder});
    for (const std::string& name : SubfolderNames(folder))
        CollectTree((fs::path(folder) / name).string(), Below(treeFolder, name), found);
}

} // namespace

std::vector<MediaInput> MediaFilesInTree(const std::string& folder) {
    std::vector<MediaInput> found;
    CollectTree(folder, "", found);
    return found;
}

std::vector<MediaInput> ExpandMediaInputs(const std::vector<std::string>& paths, bool wholeTrees) {
    std::vector<MediaInput> found;
    for (const std::string& path : paths) {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (error)
            continue;
        if (fs::is_directory(status) && wholeTrees) {
            std::vector<MediaInput> tree = MediaFilesInTree(path);
            std::move(tree.begin(), tree.end(), std::back_inserter(found));
        } else if (fs::is_directory(status)) {
            for (std::string& file : MediaFilesInFolder(path))
                found.push_back({std::move(file), ""});
        } else if (fs::is_regular_file(status)) {
            found.push_back({path, ""});
        }
    }
    return found;
}

} // namespace velmont
