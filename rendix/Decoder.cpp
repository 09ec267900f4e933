#include "rendix/Decoder.h"

#include "rendix/InputMedia.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace rendix {

AVCodecContext* OpenDecoder(const AVStream* stream, std::string& error) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) {
        error = std::string("no decoder for ") + avcodec_get_name(stream->codecpar->codec_id);
        return nullptr;
    }
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    int r = avcodec_parameters_to_context(ctx, stream->codecpar);
    if (r >= 0) {
        ctx->pkt_timebase = stream->time_base;
        ctx->thread_count = 0;
        r = avcodec_open2(ctx, codec, nullptr);
    }
    if (r < 0) {
        error = std::string("cannot open decoder ") + codec->name + ": " + ErrorText(r);
        avcodec_free_context(&ctx);
        return nullptr;
    }
    return ctx;
}

} // namespace rendix
