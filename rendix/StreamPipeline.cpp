#include "rendix/StreamPipeline.h"

#include "rendix/Decoder.h"
#include "rendix/InputMedia.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
}

namespace rendix {

StreamPipeline::~StreamPipeline() {
    avcodec_free_context(&decoder_);
    avcodec_free_context(&encoder_);
    av_frame_free(&frame_);
    av_packet_free(&packet_);
}

bool StreamPipeline::OpenDecoding(const AVStream* input, long long inputStartTime,
                                  std::string& error) {
    decoder_ = OpenDecoder(input, error);
    if (!decoder_)
        return false;
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    startOffset_ = av_rescale_q(inputStartTime, AV_TIME_BASE_Q, input->time_base);
    return true;
}

void StreamPipeline::Start(PacketSink sink, int streamIndex) {
    sink_ = std::move(sink);
    streamIndex_ = streamIndex;
}

bool StreamPipeline::Feed(const AVPacket* packet) {
    if (ended_)
        return true;
    int r = avcodec_send_packet(decoder_, packet);
    if (r < 0 && r != AVERROR_EOF)
        return true; // a damaged packet loses its samples or picture only
    while (true) {
        r = avcodec_receive_frame(decoder_, frame_);
        if (r < 0)
            return true;
        if (!Filter(frame_))
            return false;
        if (ended_)
            return true;
    }
}

bool StreamPipeline::Filter(AVFrame* decoded) {
    if (decoded) {
        std::int64_t ts = decoded->best_effort_timestamp;
        decoded->pts = ts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : ts - startOffset_;
        if (decoded->pts != AV_NOPTS_VALUE)
            endPts_ = std::max(endPts_,
                               decoded->pts + (decoded->pkt_duration > 0 ? decoded->pkt_duration
                                                                         : GuessDuration(decoded)));
    }
    // The end of the last frame, so that rate conversion keeps its length.
    int r = decoded ? av_buffersrc_add_frame_flags(filters_.source(), decoded, 0)
                    : av_buffersrc_close(filters_.source(), endPts_, AV_BUFFERSRC_FLAG_PUSH);
    if (r < 0 && r != AVERROR_EOF) {
        error_ = std::string(media_) + " filtering failed: " + ErrorText(r);
        return false;
    }
    return Pull();
}

bool StreamPipeline::Pull() {
    while (true) {
        int r = av_buffersink_get_frame(filters_.sink(), frame_);
        if (r == AVERROR(EAGAIN))
            return true;
        if (r == AVERROR_EOF) {
            ended_ = true;
            return true;
        }
        if (r < 0) {
            error_ = std::string(media_) + " filtering failed: " + ErrorText(r);
            return false;
        }
        bool ok = Deliver(frame_);
        av_frame_unref(frame_);
        if (!ok)
            return false;
    }
}

bool StreamPipeline::Encode(AVFrame* frame) {
    int r = avcodec_send_frame(encoder_, frame);
    if (r < 0 && r != AVERROR_EOF) {
        error_ = std::string(media_) + " encoding failed: " + ErrorText(r);
        return false;
    }
    while (true) {
        r = avcodec_receive_packet(encoder_, packet_);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
            return true;
        if (r < 0) {
            error_ = std::string(media_) + " encoding failed: " + ErrorText(r);
            return false;
        }
        Inspect(packet_);
        if (!Emit(packet_, encoder_->time_base))
            return false;
    }
}

bool StreamPipeline::Emit(AVPacket* packet, AVRational timeBase) {
    packet->stream_index = streamIndex_;
    bytes_ += packet->size;
    bool ok = sink_(packet, timeBase);
    av_packet_unref(packet);
    if (!ok && error_.empty())
        error_ = std::string("writing ") + media_ + " failed";
    return ok;
}

bool StreamPipeline::Finish() {
    if (!ended_) {
        if (!Feed(nullptr))
            return false;
        if (!ended_ && !Filter(nullptr))
            return false;
    }
    // Without an encoder (AMR) the packets left with their frames.
    if (encoder_ && !flushedEncoder_) {
        flushedEncoder_ = true;
        return Encode(nullptr);
    }
    return true;
}

} // namespace rendix
