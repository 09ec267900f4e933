#pragma once

#include "rendix/FilterChain.h"
#include "rendix/PacketSink.h"

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFrame;
struct AVStream;
struct AVPacket;

namespace rendix {

// The decode -> filter -> encode -> sink loop of one stream, with its
// draining at the end. The audio and video pipelines open the codecs and
// the filter chain, and give each filtered frame its time.
class StreamPipeline {
  public:
    virtual ~StreamPipeline();
    StreamPipeline(const StreamPipeline&) = delete;
    StreamPipeline& operator=(const StreamPipeline&) = delete;

    void Start(PacketSink sink, int streamIndex);

    bool Feed(const AVPacket* packet); // false on a fatal error
    bool Finish();                     // drains decoder, filters, encoder
    bool ended() const { return ended_; }
    std::int64_t bytes() const { return bytes_; }
    const std::string& error() const { return error_; }

  protected:
    // media names the stream in messages: "audio" or "video".
    explicit StreamPipeline(const char* media) : media_(media) {}

    // Opens the decoder and the working frame and packet.
    bool OpenDecoding(const AVStream* input, long long inputStartTime, std::string& error);

    // The length, in the input time base, of a decoded frame that gives none.
    virtual std::int64_t GuessDuration(const AVFrame* decoded) const = 0;
    // Times one filtered frame and encodes it (or drops it).
    virtual bool Deliver(AVFrame* filtered) = 0;
    // Looks at each encoded packet before it leaves.
    virtual void Inspect(AVPacket* /*packet*/) {}

    bool Encode(AVFrame* frame); // null drains the encoder
    bool Emit(AVPacket* packet, AVRational timeBase);

    AVCodecContext* decoder_ = nullptr;
    AVCodecContext* encoder_ = nullptr;
    FilterChain filters_;
    AVPacket* packet_ = nullptr;
    std::string error_;

  private:
    bool Filter(AVFrame* decoded); // null closes the chain
    bool Pull();

    const char* media_;
    PacketSink sink_;
    int streamIndex_ = 0;
    long long startOffset_ = 0; // in the input stream's time base
    std::int64_t endPts_ = 0;   // input time base
    bool ended_ = false;
    bool flushedEncoder_ = false;
    std::int64_t bytes_ = 0;
    AVFrame* frame_ = nullptr;
};

} // namespace rendix
