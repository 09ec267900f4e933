#include "platform/ModuleDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velmont;

TEST(ModuleDirectory, IsTheTestBinaryFolderWithATrailingSeparator) {
    const std::string directory = GetModuleDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_EQ(directory.find("//"), std::string::npos);
    EXPECT_TRUE(std::filesystem::path(directory).is_absolute());
    EXPECT_TRUE(std::filesystem::equivalent(directory, VELMONT_TEST_BIN_DIR));
    EXPECT_TRUE(std::filesystem::exists(directory + "platform_tests"));
    EXPECT_EQ(GetModuleDirectory(), directory);
}

TEST(ModuleDirectory, SeparatorIsAppendedOnlyWhenMissing) {
    EXPECT_EQ(WithTrailingSeparator(""), "");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
    EXPECT_EQ(WithTrailingSeparator("/opt/velmont"), "/opt/velmont/");
    EXPECT_EQ(WithTrailingSeparator("/opt/velmont/"), "/opt/velmont/");
    EXPECT_EQ(WithTrailingSeparator("relative"), "relative/");
}
