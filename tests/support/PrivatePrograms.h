#pragma once

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace velmont::test {

// Built programs copied into a folder of the test's own, so that a
// param.ini or record.ini left beside the build's programs is never read.
// Copies, not links: a stray-encoder sweep matches the executable file and
// would reach the encoders of tests running alongside.
class PrivatePrograms {
  public:
    explicit PrivatePrograms(std::initializer_list<const char*> names) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmont-programs-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        path_ = pattern + "/";
        valid_ = true;
        for (const char* name : names) {
            std::error_code error;
            std::filesystem::copy_file(std::string(VELMONT_BIN_DIR "/") + name, Path(name), error);
            valid_ = valid_ && !error;
        }
    }
    ~PrivatePrograms() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    PrivatePrograms(const PrivatePrograms&) = delete;
    PrivatePrograms& operator=(const PrivatePrograms&) = delete;

    bool Valid() const { return valid_; }
    // The folder, with its trailing separator.
    const std::string& Folder() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
    bool valid_ = false;
};

} // namespace velmont::test
