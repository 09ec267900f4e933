#pragma once

#include "rendix/StreamPipeline.h"

#include <cstdint>
#include <string>

namespace rendix {

struct VideoSettings {
    std::string encoderName; // libavcodec name
    int width = 0, height = 0;
    int cropTop = 0, cropBottom = 0, cropLeft = 0, cropRight = 0;
    int padTop = 0, padBottom = 0, padLeft = 0, padRight = 0;
    double frameRate = 0; // 0 = the source's
    double displayAspect = 0;
    std::int64_t bitrate = 0;
    double qscale = 0;
    std::int64_t minRate = 0, maxRate = 0, bufferSize = 0;
    int level = 0;
    // 0 = single pass, 1 = analysis pass, 2 = final pass of two
    int pass = 0;
    std::string statsIn;   // native codecs' first-pass log, for pass 2
    std::string statsFile; // libx264's own log file for both passes
    double startSeconds = 0;
    double durationSeconds = 0;
    long long inputStartTime = 0;
    bool globalHeader = false;
};

// Decode -> filter (trim, crop, scale, pad, pixel format, rate, aspect) ->
// encode for one video stream.
class VideoPipeline : public StreamPipeline {
  public:
    VideoPipeline() : StreamPipeline("video") {}
    ~VideoPipeline() override;

    // warnings receives lines (each ending in '\n') for the header.
    bool Open(const AVStream* input, const VideoSettings& settings, std::string& warnings,
              std::string& error);
    bool FillStream(AVStream* output, std::string& error) const;

    std::int64_t frames() const { return frames_; }
    // Statistics of an analysis pass, for the final pass.
    std::string stats() const;

  private:
    std::int64_t GuessDuration(const AVFrame* decoded) const override;
    bool Deliver(AVFrame* filtered) override;
    void Inspect(AVPacket* packet) override;

    VideoSettings settings_;
    std::int64_t frameTicks_ = 1; // one source frame in the input time base
    std::int64_t lastPts_ = INT64_MIN;
    std::int64_t frames_ = 0;
    std::string stats_;
};

} // namespace rendix
