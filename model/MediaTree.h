#pragma once

#include <string>
#include <vector>

namespace velmont {

// A media file found for a job, with its place below the folder given.
struct MediaInput {
    std::string path;
    std::string treeFolder; // "Artist/Album"; empty directly in the folder or for a file
};

// The media files of the folder and all its subfolders: first the files
// directly inside (as MediaFilesInFolder), then each subfolder's tree in
// natural name order. Hidden folders and links to folders are left out, so
// a tree never leads outside itself or round in a loop.
std::vector<MediaInput> MediaFilesInTree(const std::string& folder);

// As ExpandMediaPaths, with each file's place: a folder stands for its
// whole tree when `wholeTrees`, else for the files directly inside it.
std::vector<MediaInput> ExpandMediaInputs(const std::vector<std::string>& paths, bool wholeTrees);

} // namespace velmont
