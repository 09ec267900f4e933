#pragma once

#include "rendix/AmrEncoder.h"
#include "rendix/CodecNames.h"
#include "rendix/FilterChain.h"
#include "rendix/PacketSink.h"

#include <cstdint>
#include <memory>
#include <string>

struct AVCodecContext;
struct AVFrame;
struct AVStream;
struct AVPacket;

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
class AudioPipeline {
  public:
    AudioPipeline() = default;
    ~AudioPipeline();
    AudioPipeline(const AudioPipeline&) = delete;
    AudioPipeline& operator=(const AudioPipeline&) = delete;

    bool Open(const AVStream* input, const AudioSettings& settings, std::string& error);
    // Describes the encoded stream in the output's stream.
    bool FillStream(AVStream* output, std::string& error) const;
    void Start(PacketSink sink, int streamIndex);

    bool Feed(const AVPacket* packet); // false on a fatal error
    bool Finish();                     // drains decoder, filters, encoder
    bool ended() const { return ended_; }
    std::int64_t bytes() const { return bytes_; }
    const std::string& error() const { return error_; }

  private:
    bool Filter(AVFrame* decoded);
    bool Pull();
    bool Encode(AVFrame* frame);
    bool EncodeAmr(AVFrame* frame);
    bool Emit(AVPacket* packet, AVRational timeBase);

    const AVStream* input_ = nullptr;
    AVCodecContext* decoder_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    std::unique_ptr<AmrEncoder> amr_;
    int amrMode_ = 0;
    FilterChain filters_;
    AudioSettings settings_;
    PacketSink sink_;
    int streamIndex_ = 0;
    std::int64_t endPts_ = 0; // input time base
    AVRational timeBase_{1, 1};
    long long startOffset_ = 0; // in the input stream's time base
    std::int64_t nextPts_ = 0;
    bool ptsStarted_ = false;
    bool ended_ = false;
    bool flushedEncoder_ = false;
    std::int64_t bytes_ = 0;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    int outRate_ = 0;
    std::string error_;
};

} // namespace rendix
