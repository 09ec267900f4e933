#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

using namespace velmont;

namespace {

using RecordFile = SettingsFixture;

// The whole file a save writes when it starts afresh.
std::string Skeleton(const std::string& directory) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<root>\n    <OutDir directory=\"" +
           directory + "\"/>\n</root>\n";
}

} // namespace

TEST_F(RecordFile, MissingFileReadsEmptyAndSavingCreatesOrReplacesTheSkeleton) {
    const std::string path = PathOf("record.ini");
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "");
    EXPECT_FALSE(std::filesystem::exists(path));

    EXPECT_TRUE(SaveOutputDirectoryTo(path, "/home/user/Videos"));
    EXPECT_EQ(Read(path), Skeleton("/home/user/Videos"));
    ASSERT_TRUE(SaveOutputDirectoryTo(path, "/second"));
    EXPECT_EQ(Read(path), Skeleton("/second"));
    // The directory is stored as it stands, escaped.
    const std::string odd = " /a b/<c>&\"d'/é/ ";
    ASSERT_TRUE(SaveOutputDirectoryTo(path, odd));
    EXPECT_EQ(LoadOutputDirectoryFrom(path), odd);
    ASSERT_TRUE(SaveOutputDirectoryTo(path, ""));
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "");
}

TEST_F(RecordFile, ALinkedFileIsReplacedAtItsTargetKeepingLinkAndMode) {
    // A dotfiles repository: record.ini links to a private file elsewhere.
    std::filesystem::create_directory(PathOf("dotfiles"));
    const std::string target = Write("dotfiles/record.ini", Skeleton("/old"));
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    const std::string path = PathOf("record.ini");
    std::filesystem::create_symlink("dotfiles/record.ini", path);
    struct stat before {};
    ASSERT_EQ(stat(target.c_str(), &before), 0);

    ASSERT_TRUE(SaveOutputDirectoryTo(path, "/new"));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(Read(target), Skeleton("/new"));
    struct stat after {};
    ASSERT_EQ(stat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_NE(after.st_ino, before.st_ino); // replaced whole, not rewritten in place
}

TEST_F(RecordFile, ReadingTakesAnyRootAndNeedsTheAttribute) {
    const std::pair<const char*, const char*> cases[] = {
        {"<settings><OutDir directory=\"/out\"/></settings>", "/out"},
        {"<root><OutDir directory=\"/1\"/><OutDir directory=\"/2\"/></root>", "/1"},
        {"<root><OutDir/></root>", ""}, // missing directory
        {"<root><outdir directory=\"/x\"/></root>", ""},
        {"<root><x><OutDir directory=\"/deep\"/></x></root>", ""},
        {"<root><OutDir directory=\"/x\"/>", ""},
        {"<?xml version=\"1.0\"?>", ""}};
    for (const auto& [text, directory] : cases)
        EXPECT_EQ(LoadOutputDirectoryFrom(Write("record.ini", text)), directory) << text;
}

TEST_F(RecordFile, SavingKeepsOtherElementsAndTheRoot) {
    const std::string path = Write("record.ini", "<?xml version=\"1.0\"?>\n"
                                                 "<settings>\n"
                                                 "  <Recent file=\"/a.avi\"/>\n"
                                                 "  <OutDir directory=\"/old\" extra=\"kept\"/>\n"
                                                 "  <!-- note -->\n"
                                                 "  <Other>text</Other>\n"
                                                 "</settings>\n");
    ASSERT_TRUE(SaveOutputDirectoryTo(path, "/new"));

    EXPECT_EQ(Read(path), "<?xml version=\"1.0\"?>\n"
                          "<settings>\n"
                          "    <Recent file=\"/a.avi\"/>\n"
                          "    <OutDir directory=\"/new\" extra=\"kept\"/>\n"
                          "    <!-- note -->\n"
                          "    <Other>text</Other>\n"
                          "</settings>\n");

    // Without an OutDir, one is added as the last child.
    Write("record.ini", "<root><Keep a=\"1\"/></root>");
    ASSERT_TRUE(SaveOutputDirectoryTo(path, "/dir"));
    EXPECT_EQ(Read(path),
              "<root>\n    <Keep a=\"1\"/>\n    <OutDir directory=\"/dir\"/>\n</root>\n");
}

TEST_F(RecordFile, UnusableFilesAreKeptAsBackupAndReplacedByTheSkeleton) {
    for (const char* text : {"", "<?xml version=\"1.0\"?>\n", "<!-- only a comment -->\n",
                             "<?xml version=\"1.0\"?><!-- c -->", "<root><OutDir directory=\"/x\">",
                             "not xml at all", "<root></wrong>"}) {
        const std::string path = Write("record.ini", text);
        EXPECT_TRUE(SaveOutputDirectoryTo(path, "/fresh")) << text;
        EXPECT_EQ(Read(path), Skeleton("/fresh"));
        EXPECT_EQ(Read(path + ".bak"), text);
    }
    // Neither a FIFO (opening it would wait for a writer) nor an oversized
    // file is read; both are set aside the same way.
    const std::string path = PathOf("record.ini");
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "");
    EXPECT_TRUE(SaveOutputDirectoryTo(path, "/after-fifo"));
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "/after-fifo");
    const std::string padding(1024 * 1024, ' ');
    Write("record.ini", "<root><OutDir directory=\"/big\"/></root>" + padding);
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "");
}

TEST_F(RecordFile, MissingFoldersAreMadeAndUnwritablePlacesReportFailure) {
    const std::string nested = PathOf("new/folders/record.ini");
    EXPECT_TRUE(SaveOutputDirectoryTo(nested, "/dir"));
    EXPECT_EQ(LoadOutputDirectoryFrom(nested), "/dir");

    // A path under a file cannot be written, whoever runs the test; the
    // file that is there stays whole and nothing else is left behind.
    const std::string kept = Write("record.ini", "<root><OutDir directory=\"/kept\"/></root>");
    for (const std::string& path : {kept + "/record.ini", PathOf("record.ini/sub/record.ini")}) {
        std::string error;
        EXPECT_FALSE(SaveOutputDirectoryTo(path, "/lost", &error)) << path;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(LoadOutputDirectoryFrom(kept), "/kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              2); // record.ini and the folder "new"
}

TEST(RecordFilePath, PortableCopyKeepsItsOwnFileOtherwiseTheUsersFolder) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velmont-portable-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::string program = pattern + "/";
    const std::string user = "/home/someone/.config/velmont-converter/";
    EXPECT_EQ(RecordFilePathFor(program, user), user + "record.ini");
    std::ofstream(program + "record.ini") << "<root/>";
    EXPECT_EQ(RecordFilePathFor(program, user), program + "record.ini");
    EXPECT_EQ(RecordFilePathFor("", user), user + "record.ini");
    std::filesystem::remove_all(pattern);
}
