#pragma once

#include "MediaProbe.h"
#include "RendixRun.h"

#include <gtest/gtest.h>

#include <string>

// Media for the end-to-end tests: a two-second tagged stereo MP3 and a
// two-second 256x192 video with stereo sound. They are made once per user
// and machine in a temporary folder and shared by the test processes (each
// test runs in a process of its own); outputs go to a folder per process,
// removed at the end.
class RendixMedia : public ::testing::Test {
  public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static std::string Folder() { return folder_; }
    static std::string AudioInput() { return media_ + "/tagged song.mp3"; }
    static std::string VideoInput() { return media_ + "/clip.mp4"; }
    static std::string Out(const std::string& name) { return folder_ + "/out/" + name; }

  private:
    static std::string folder_;
    static std::string media_;
};

// What a finished conversion must show. A null codec means the stream must
// be absent; a zero or negative number is not checked.
struct Expectation {
    const char* container; // libavformat's demuxer name
    const char* audioCodec;
    int sampleRate, channels;
    const char* videoCodec = nullptr;
    int width = 0, height = 0;
    double frameRate = 0;
    double duration = 2.0;
};

// Checks the run (exit status, header, status lines ending in carriage
// returns, their time running up to the duration) and probes the output.
ProbedMedia ExpectConverted(const RendixRun& run, const std::string& output,
                            const Expectation& want);
