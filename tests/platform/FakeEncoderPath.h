#pragma once

#include <string>

// The tests' stand-in encoder, built beside the test executables.
inline std::string FakeEncoderPath() {
    return std::string(VELMONT_TEST_BIN_DIR) + "/fake_encoder";
}

inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}
