#pragma once

#include "model/EncodingParams.h"
#include "model/SettingsFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Gives each test a private temporary folder for its settings files and
// its own encoding settings, loaded by LoadParam.
class SettingsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmont-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    // Writes the bytes to a file in the folder and returns its path. The old
    // file is removed first: overwriting in place makes ext4 flush on close.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = PathOf(name);
        std::filesystem::remove(path);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Loads a param.ini made of the given text.
    void LoadParam(const std::string& text) {
        velmont::LoadParamFileFrom(Write("param.ini", text), settings_);
    }

    const velmont::EncodingParams& Record(velmont::FormatId id) const {
        return *settings_.GetEncodingParams(id);
    }

    std::filesystem::path folder_;
    velmont::EncodingSettings settings_;
};
