// Linked into every test program: the process reads and writes the user's
// settings (param.ini, record.ini) in a folder of its own, empty at start
// and gone at exit, so nothing the user, an earlier run or a test running
// alongside left there can change a result. Its children inherit it.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class PrivateSettingsFolder {
  public:
    PrivateSettingsFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmont-test-config-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        path_ = pattern;
        setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    }
    ~PrivateSettingsFolder() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    PrivateSettingsFolder(const PrivateSettingsFolder&) = delete;
    PrivateSettingsFolder& operator=(const PrivateSettingsFolder&) = delete;

  private:
    std::string path_;
};

const PrivateSettingsFolder folder;

} // namespace
