#pragma once

#include "rendix/AmrEncoder.h"
#include "rendix/CodecNames.h"
#include "rendix/StreamPipeline.h"

#include <cstdint>
#include <memory>
#include <string>

namespace rendix {

struct AudioSettings {
    AudioEncoderChoice encoder;
    std::int64_t bitrate = 0;
    int sampleRate = 0; // 0 = the source's
    int channels = 0;   // 0 = the source's
    int volume = 256;
    double startSeconds = 0;
    double durationSeconds = 0;
    long long inputStartTime = 0; // AV_TIME_BASE units
    std::string muxerName;
    bool globalHeader = false;
};

// Decode -> filter (trim, volume, resample, remix) -> encode for one audio
// stream. Packets leave through the sink given to Start.
class AudioPipeline : public StreamPipeline {
  public:
    AudioPipeline() : StreamPipeline("audio") {}

    bool Open(const AVStream* input, const AudioSettings& settings, std::string& error);
    // Describes the encoded stream in the output's stream.
    bool FillStream(AVStream* output, std::string& error) const;

  private:
    std::int64_t GuessDuration(const AVFrame* decoded) const override;
    bool Deliver(AVFrame* filtered) override;
    bool EncodeAmr(AVFrame* frame);

    std::unique_ptr<AmrEncoder> amr_;
    int amrMode_ = 0;
    AudioSettings settings_;
    AVRational timeBase_{1, 1}; // the input stream's
    std::int64_t nextPts_ = 0;
    bool ptsStarted_ = false;
    int outRate_ = 0;
};

} // namespace rendix
