#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace velmont::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmont-convert-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code error;
        if (!path_.empty()) {
            // A test may have left a folder without write permission.
            std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
            std::filesystem::remove_all(path_, error);
        }
    }

    bool Valid() const { return !path_.empty(); }
    // The folder with a trailing separator, as the engine takes folders.
    std::string Directory() const { return path_ + "/"; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Runs the ffmpeg command-line tool quietly with the given arguments.
inline bool MakeMedia(const std::string& arguments) {
    const std::string command = "ffmpeg -nostdin -v error -y " + arguments + " </dev/null";
    return std::system(command.c_str()) == 0;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}

} // namespace velmont::test
