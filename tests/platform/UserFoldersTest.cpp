#include "platform/AtomicWrite.h"
#include "platform/RuntimeDirectory.h"
#include "platform/UserDirectories.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

using namespace velmont;

namespace {

std::string MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmont-user-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern + "/" : std::string();
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Sets environment variables for one scope and puts the old values back.
class ScopedEnvironment {
  public:
    explicit ScopedEnvironment(const std::map<std::string, std::optional<std::string>>& values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
            Set(name, value);
        }
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_)
            Set(name, value);
    }

  private:
    static void Set(const std::string& name, const std::optional<std::string>& value) {
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace

TEST(UserFolders, FollowTheEnvironmentAndTheUsersDirsFile) {
    const std::string home = MakeTempFolder();
    ASSERT_FALSE(home.empty());
    std::filesystem::create_directories(home + "conf");
    std::ofstream(home + "conf/user-dirs.dirs")
        << "# written by xdg-user-dirs-update\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    std::filesystem::create_directories(home + "off");
    std::ofstream(home + "off/user-dirs.dirs") << "XDG_MUSIC_DIR=\"$HOME/\"\n";

    struct Case {
        std::optional<std::string> configHome;
        std::string config;
        std::string music;
    };
    const Case cases[] = {
        {std::nullopt, home + ".config/velmont-converter/", home + "Music/"},
        {"relative/ignored", home + ".config/velmont-converter/", home + "Music/"},
        {home + "conf", home + "conf/velmont-converter/", home + "Musik/"},
        {home + "off", home + "off/velmont-converter/", home + "Music/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment environment({{"HOME", home}, {"XDG_CONFIG_HOME", c.configHome}});
        EXPECT_EQ(HomeDirectory(), home);
        EXPECT_EQ(UserConfigDirectory(), c.config) << c.configHome.value_or("unset");
        EXPECT_EQ(UserMusicDirectory(), c.music) << c.configHome.value_or("unset");
    }
    EXPECT_TRUE(MakePrivateDirectories(home + "a/b/c/"));
    struct stat info {};
    ASSERT_EQ(stat((home + "a/b").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(IsWritableDirectory(home));
    EXPECT_FALSE(IsWritableDirectory(home + "conf/user-dirs.dirs"));
    EXPECT_FALSE(MakePrivateDirectories(home + "conf/user-dirs.dirs/below"));
    std::filesystem::remove_all(home);
}

TEST(RuntimeDirectory, IsPrivateOutsideTheProgramFolderAndStaysTheSame) {
    const std::string folder = PrivateRuntimeDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, geteuid());
    EXPECT_EQ(folder.rfind(VELMONT_TEST_BIN_DIR, 0), std::string::npos);
    EXPECT_EQ(PrivateRuntimeDirectory(), folder);
}

TEST(AtomicWrite, ReplacesWholeReportsFailureAndSurvivesAKilledWriter) {
    const std::string folder = MakeTempFolder();
    const std::string path = folder + "record.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    EXPECT_EQ(Read(path), "first");
    std::filesystem::create_symlink(folder + "elsewhere", folder + "link");
    ASSERT_TRUE(WriteFileAtomically(folder + "link", "replaced"));
    EXPECT_FALSE(std::filesystem::exists(folder + "elsewhere")); // the link is not followed

    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path + "/below", "x", &error));
    EXPECT_NE(error.find("below"), std::string::npos);

    // A writer killed at any moment leaves either the old or the new file.
    const std::string oldBytes(1 << 20, 'o');
    const std::string newBytes(1 << 20, 'n');
    ASSERT_TRUE(WriteFileAtomically(path, oldBytes));
    for (int round = 0; round < 5; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                WriteFileAtomically(path, newBytes);
                WriteFileAtomically(path, oldBytes);
            }
        }
        usleep(20000 * (round + 1));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string bytes = Read(path);
        EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << bytes.size();
    }
    std::filesystem::remove_all(folder);
}
