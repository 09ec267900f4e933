#include "platform/AtomicWrite.h"
#include "platform/FoldersBelow.h"
#include "platform/RuntimeDirectory.h"
#include "platform/RuntimeFolderSweep.h"
#include "platform/UserDirectories.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>

using namespace velmont;

namespace {

std::string MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmont-user-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern + "/" : std::string();
}

std::optional<std::string> Get(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Set(const char* name, const std::optional<std::string>& value) {
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
}

} // namespace

TEST(UserFolders, FollowTheEnvironmentArePrivateAndTakeWholeFiles) {
    const std::string home = MakeTempFolder();
    ASSERT_FALSE(home.empty());
    std::filesystem::create_directories(home + "conf");
    std::ofstream(home + "conf/user-dirs.dirs")
        << "# written by xdg-user-dirs-update\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    std::filesystem::create_directories(home + "off");
    std::ofstream(home + "off/user-dirs.dirs") << "XDG_MUSIC_DIR=\"$HOME/\"\n";

    // XDG_CONFIG_HOME, then the configuration and music folders it gives.
    const std::tuple<std::optional<std::string>, std::string, std::string> cases[] = {
        {std::nullopt, home + ".config/velmont-converter/", home + "Music/"},
        {"relative/ignored", home + ".config/velmont-converter/", home + "Music/"},
        {home + "conf", home + "conf/velmont-converter/", home + "Musik/"},
        {home + "off", home + "off/velmont-converter/", home + "Music/"},
    };
    const std::optional<std::string> oldHome = Get("HOME"), oldConfig = Get("XDG_CONFIG_HOME");
    Set("HOME", home);
    for (const auto& [configHome, config, music] : cases) {
        Set("XDG_CONFIG_HOME", configHome);
        EXPECT_EQ(UserConfigDirectory(), config) << configHome.value_or("unset");
        EXPECT_EQ(UserMusicDirectory(), music) << configHome.value_or("unset");
    }
    Set("HOME", oldHome);
    Set("XDG_CONFIG_HOME", oldConfig);
    EXPECT_TRUE(MakePrivateDirectories(home + "a/b/c/"));
    struct stat info {};
    ASSERT_EQ(stat((home + "a/b").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(IsWritableDirectory(home) && !IsWritableDirectory(home + "conf/user-dirs.dirs"));
    EXPECT_FALSE(MakePrivateDirectories(home + "conf/user-dirs.dirs/below"));

    // The runtime folder is private, outside the program's, and stays the same.
    const std::string runtime = PrivateRuntimeDirectory();
    ASSERT_EQ(runtime.back(), '/');
    ASSERT_EQ(stat(runtime.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & (S_IFMT | 0777), S_IFDIR | 0700u);
    EXPECT_EQ(info.st_uid, geteuid());
    EXPECT_EQ(runtime.rfind(VELMONT_TEST_BIN_DIR, 0), std::string::npos);
    EXPECT_EQ(PrivateRuntimeDirectory(), runtime);

    // A file is written whole and renamed over the old one, never changed in
    // place, so a writer killed at any moment leaves the old or the new file.
    const std::string folder = home + "a/b/c/";
    const std::string path = folder + "record.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "first"));
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    const ino_t first = info.st_ino;
    ASSERT_TRUE(WriteFileAtomically(path, "second"));
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_NE(info.st_ino, first); // the content's round trip is RecordFileTest's
    std::filesystem::create_symlink(folder + "elsewhere", folder + "link");
    ASSERT_TRUE(WriteFileAtomically(folder + "link", "replaced"));
    EXPECT_FALSE(std::filesystem::exists(folder + "elsewhere")); // the link is not followed
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path + "/below", "x", &error));
    EXPECT_NE(error.find("below"), std::string::npos);
    // Nothing is left behind but the two files written.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
    std::filesystem::remove_all(home);
}

// A converter that was killed leaves its runtime folder; the next one removes
// it, but never a folder whose owner still runs (whatever its pid namespace),
// one it cannot tell about, or anything behind a link.
TEST(UserFolders, RuntimeFoldersOfEndedConvertersAreSweptOthersKept) {
    const std::string base = MakeTempFolder();
    ASSERT_FALSE(base.empty());
    const auto make = [&](const std::string& name) {
        std::filesystem::create_directories(base + name + "/inner");
        std::ofstream(base + name + "/inner/script.avs") << "x";
        return base + name + "/";
    };
    // A killed converter's folder: the lock file is there, nobody holds it.
    const std::string ended = make("velmont-converter-ended1");
    std::ofstream(ended + ".in-use") << "";
    const std::string running = make("velmont-converter-alive1");
    MarkRuntimeFolderInUse(running);
    const std::string unknown = make("velmont-converter-older1");
    const std::string target = make("kept-by-the-user");
    std::ofstream(target + ".in-use") << "";
    std::filesystem::create_directory_symlink(target, base + "velmont-converter-link01");

    SweepAbandonedRuntimeFolders(base);
    EXPECT_FALSE(std::filesystem::exists(ended));
    EXPECT_TRUE(std::filesystem::exists(running + "inner/script.avs"));
    EXPECT_TRUE(std::filesystem::exists(unknown + "inner/script.avs"));
    EXPECT_TRUE(std::filesystem::exists(target + "inner/script.avs"));
    std::filesystem::remove_all(base);
}

TEST(UserFolders, FoldersBelowAreMadeStepByStepNeverThroughALinkNorUpwards) {
    const std::string base = MakeTempFolder();
    ASSERT_FALSE(base.empty());
    std::filesystem::create_directory(base + "away");
    std::filesystem::create_directory_symlink(base + "away", base + "link");
    const std::pair<std::string, std::errc> refused[] = {
        {"link/a", std::errc::not_a_directory},
        {"../a", std::errc::invalid_argument},
        {"a/./b", std::errc::invalid_argument},
        {"/tmp/a", std::errc::invalid_argument},
    };
    for (const auto& [relative, expected] : refused)
        EXPECT_EQ(MakeFoldersBelow(base, relative), std::make_error_code(expected)) << relative;
    EXPECT_FALSE(MakeFoldersBelow(base, "Artist 03/Album 07"));
    EXPECT_FALSE(MakeFoldersBelow(base, "Artist 03/Album 07"));
    EXPECT_TRUE(std::filesystem::is_directory(base + "Artist 03/Album 07"));
    EXPECT_TRUE(std::filesystem::is_empty(base + "away"));
    std::filesystem::remove_all(base);
}
