#include "SettingsFixture.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

using namespace velmont;

namespace {

using RecordFile = SettingsFixture;

// The saved file as the XML library reads it back.
struct Saved {
    explicit Saved(const std::string& path) { loaded = doc.LoadFile(path.c_str()) == 0; }
    const tinyxml2::XMLElement* Root() const { return doc.FirstChildElement(); }
    std::string RootName() const { return Root() ? Root()->Name() : ""; }
    tinyxml2::XMLDocument doc;
    bool loaded = false;
};

void ExpectSkeletonWith(const std::string& path, const std::string& directory) {
    Saved saved(path);
    ASSERT_TRUE(saved.loaded);
    ASSERT_NE(saved.doc.FirstChild(), nullptr);
    const tinyxml2::XMLDeclaration* declaration = saved.doc.FirstChild()->ToDeclaration();
    ASSERT_NE(declaration, nullptr);
    EXPECT_NE(std::string(declaration->Value()).find("version=\"1.0\""), std::string::npos);
    EXPECT_EQ(saved.RootName(), "root");
    const tinyxml2::XMLElement* outDir = saved.Root()->FirstChildElement();
    ASSERT_NE(outDir, nullptr);
    EXPECT_STREQ(outDir->Name(), "OutDir");
    EXPECT_EQ(outDir->NextSiblingElement(), nullptr);
    EXPECT_STREQ(outDir->Attribute("directory"), directory.c_str());
}

} // namespace

TEST_F(RecordFile, MissingFileReadsEmptyAndSavingCreatesOrReplacesTheSkeleton) {
    const std::string path = PathOf("record.ini");
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "");
    EXPECT_FALSE(std::filesystem::exists(path));

    EXPECT_TRUE(SaveOutputDirectoryTo(path, "/home/user/Videos"));
    ExpectSkeletonWith(path, "/home/user/Videos");
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "/home/user/Videos");
    ASSERT_TRUE(SaveOutputDirectoryTo(path, "/second"));
    ExpectSkeletonWith(path, "/second");
}

TEST_F(RecordFile, DirectoryIsStoredAsItStandsAndEscaped) {
    const std::string path = PathOf("record.ini");
    const std::string odd = " /a b/<c>&\"d'/é/ ";
    ASSERT_TRUE(SaveOutputDirectoryTo(path, odd));
    EXPECT_EQ(LoadOutputDirectoryFrom(path), odd);
    ASSERT_TRUE(SaveOutputDirectoryTo(path, ""));
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "");
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

    Saved saved(path);
    ASSERT_TRUE(saved.loaded);
    EXPECT_EQ(saved.RootName(), "settings");
    const auto* root = saved.Root();
    ASSERT_NE(root->FirstChildElement("Recent"), nullptr);
    EXPECT_STREQ(root->FirstChildElement("Recent")->Attribute("file"), "/a.avi");
    EXPECT_STREQ(root->FirstChildElement("OutDir")->Attribute("directory"), "/new");
    EXPECT_STREQ(root->FirstChildElement("OutDir")->Attribute("extra"), "kept");
    ASSERT_NE(root->FirstChildElement("Other"), nullptr);
    EXPECT_STREQ(root->FirstChildElement("Other")->GetText(), "text");
    EXPECT_NE(Read(path).find("note"), std::string::npos);

    // Without an OutDir, one is added as the last child.
    Write("record.ini", "<root><Keep a=\"1\"/></root>");
    ASSERT_TRUE(SaveOutputDirectoryTo(path, "/dir"));
    Saved again(path);
    EXPECT_STREQ(again.Root()->FirstChildElement()->Name(), "Keep");
    EXPECT_STREQ(again.Root()->LastChildElement()->Name(), "OutDir");
    EXPECT_EQ(LoadOutputDirectoryFrom(path), "/dir");
}

TEST_F(RecordFile, UnusableFilesAreKeptAsBackupAndReplacedByTheSkeleton) {
    for (const char* text : {"", "<?xml version=\"1.0\"?>\n", "<!-- only a comment -->\n",
                             "<?xml version=\"1.0\"?><!-- c -->", "<root><OutDir directory=\"/x\">",
                             "not xml at all", "<root></wrong>"}) {
        const std::string path = Write("record.ini", text);
        EXPECT_TRUE(SaveOutputDirectoryTo(path, "/fresh")) << text;
        ExpectSkeletonWith(path, "/fresh");
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
