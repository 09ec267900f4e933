#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// The tests' stand-in encoder, built beside the test executables.
inline std::string FakeEncoderPath() {
    return std::string(VELMONT_TEST_BIN_DIR) + "/fake_encoder";
}

inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Copies of the fake encoder in a temporary folder of their own: different
// files, so only the test's own processes run them.
class EncoderCopies {
  public:
    EncoderCopies() {
        char pattern[] = "/tmp/velmont-encoders-XXXXXX";
        if (mkdtemp(pattern))
            root_ = pattern;
    }
    EncoderCopies(const EncoderCopies&) = delete;
    EncoderCopies& operator=(const EncoderCopies&) = delete;
    ~EncoderCopies() {
        std::error_code ignored;
        if (!root_.empty())
            std::filesystem::remove_all(root_, ignored);
    }

    std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

    // A copy at root/relative, its folders made as needed.
    std::string Copy(const std::string& relative) const {
        const std::filesystem::path target = root_ / relative;
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(FakeEncoderPath(), target);
        return target.string();
    }

  private:
    std::filesystem::path root_;
};
