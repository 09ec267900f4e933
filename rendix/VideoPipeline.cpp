#include "rendix/VideoPipeline.h"

#include "rendix/DisplayTurn.h"
#include "rendix/EncoderTuning.h"
#include "rendix/FilterText.h"
#include "rendix/FrameRate.h"
#include "rendix/Geometry.h"
#include "rendix/InputMedia.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

namespace rendix {

bool VideoPipeline::Open(const AVStream* input, const VideoSettings& s, std::string& warnings,
                         std::string& error) {
    settings_ = s;
    if (!OpenDecoding(input, s.inputStartTime, error))
        return false;
    AVRational sourceRate = av_guess_frame_rate(nullptr, const_cast<AVStream*>(input), nullptr);
    if (sourceRate.num <= 0 || sourceRate.den <= 0)
        sourceRate = AVRational{25, 1};
    frameTicks_ =
        std::max<std::int64_t>(1, av_rescale_q(1, av_inv_q(sourceRate), input->time_base));
    if (decoder_->width <= 0 || decoder_->height <= 0 || decoder_->pix_fmt == AV_PIX_FMT_NONE) {
        error = "cannot determine the picture size of the input";
        return false;
    }
    const AVCodec* codec = avcodec_find_encoder_by_name(s.encoderName.c_str());
    const bool x264 = s.encoderName == "libx264";

    // Size, crop and aspect apply to the picture as it is shown.
    const int turn = DisplayTurnDegrees(input);
    const bool sideways = turn == 90 || turn == 270;
    const int shownWidth = sideways ? decoder_->height : decoder_->width;
    const int shownHeight = sideways ? decoder_->width : decoder_->height;
    GeometryRequest g;
    g.sourceWidth = shownWidth;
    g.sourceHeight = shownHeight;
    g.cropTop = s.cropTop;
    g.cropBottom = s.cropBottom;
    g.cropLeft = s.cropLeft;
    g.cropRight = s.cropRight;
    g.padTop = s.padTop;
    g.padBottom = s.padBottom;
    g.padLeft = s.padLeft;
    g.padRight = s.padRight;
    g.width = s.width;
    g.height = s.height;
    g.align = s.encoderName == "h263" || s.encoderName == "h263p" ? 4 : 2;
    Geometry geometry = ComputeGeometry(g);
    if (!geometry.ok) {
        error = geometry.error;
        return false;
    }
    if (s.encoderName == "h263") {
        std::string bad = CheckH263Size(geometry.width, geometry.height);
        if (!bad.empty()) {
            error = bad;
            return false;
        }
    }

    // Output rate: the one asked for, else the source's; codecs with a fixed
    // list get the nearest of it.
    AVRational rate;
    if (s.frameRate > 0) {
        Rate r = RateFromDouble(s.frameRate);
        rate = AVRational{r.num, r.den};
    } else {
        rate = av_guess_frame_rate(nullptr, const_cast<AVStream*>(input), nullptr);
        if (rate.num <= 0 || rate.den <= 0 || av_q2d(rate) > 240)
            rate = AVRational{25, 1};
        Rate r = RateFromDouble(av_q2d(rate));
        rate = AVRational{r.num, r.den};
    }
    // MPEG-1/2 list extra rates that their encoders then refuse; only the
    // eight of the standard count.
    static const AVRational mpegRates[] = {{24000, 1001}, {24, 1}, {25, 1},
                                           {30000, 1001}, {30, 1}, {50, 1},
                                           {60000, 1001}, {60, 1}, {0, 0}};
    const AVRational* allowed = codec->supported_framerates;
    if (codec->id == AV_CODEC_ID_MPEG1VIDEO || codec->id == AV_CODEC_ID_MPEG2VIDEO)
        allowed = mpegRates;
    if (allowed) {
        int idx = av_find_nearest_q_idx(rate, allowed);
        rate = allowed[idx];
    }

    // 4:2:0 whenever the codec has it: what players and phones decode.
    std::string formats;
    for (const AVPixelFormat* f = codec->pix_fmts; f && *f != AV_PIX_FMT_NONE; ++f) {
        if (*f == AV_PIX_FMT_YUV420P) {
            formats = "yuv420p";
            break;
        }
        if (!formats.empty())
            formats += '|';
        formats += av_get_pix_fmt_name(*f);
    }

    VideoFilterRequest request;
    request.startSeconds = s.startSeconds;
    request.durationSeconds = s.durationSeconds;
    request.geometry = geometry;
    request.turn = TurnFilterText(turn);
    request.sourceWidth = shownWidth;
    request.sourceHeight = shownHeight;
    request.pixelFormats = formats;
    request.rateNum = rate.num;
    request.rateDen = rate.den;
    if (s.displayAspect > 0) {
        AVRational dar = av_d2q(s.displayAspect, 255);
        request.aspectNum = dar.num;
        request.aspectDen = dar.den;
    }
    AVRational sar =
        input->sample_aspect_ratio.num ? input->sample_aspect_ratio : decoder_->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0)
        sar = AVRational{0, 1};
    char args[512];
    snprintf(args, sizeof args,
             "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d:frame_rate=%d/%d",
             decoder_->width, decoder_->height, decoder_->pix_fmt, input->time_base.num,
             input->time_base.den, sar.num, sar.den, rate.num, rate.den);
    if (!filters_.Build(false, args, VideoFilterText(request), error))
        return false;
    AVFilterContext* sink = filters_.sink();

    encoder_ = avcodec_alloc_context3(codec);
    encoder_->width = av_buffersink_get_w(sink);
    encoder_->height = av_buffersink_get_h(sink);
    encoder_->pix_fmt = static_cast<AVPixelFormat>(av_buffersink_get_format(sink));
    encoder_->sample_aspect_ratio = av_buffersink_get_sample_aspect_ratio(sink);
    encoder_->framerate = rate;
    encoder_->time_base = av_inv_q(rate);
    encoder_->thread_count = 0;
    if (s.globalHeader)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    const EncoderTuning tuning = TuneEncoder(s.encoderName, s.qscale);
    for (const auto& [name, value] : tuning.options)
        av_opt_set(encoder_->priv_data, name.c_str(), value.c_str(), 0);
    std::int64_t bitrate = s.bitrate;
    if (tuning.crf >= 0) {
        av_opt_set_int(encoder_->priv_data, "crf", tuning.crf, 0);
        // A quality target, held below -maxrate when one is given.
        bitrate = s.maxRate;
        encoder_->bit_rate = bitrate;
    }
    if (s.maxRate > 0 && bitrate > s.maxRate) {
        warnings += "Warning: video bit rate " + std::to_string(bitrate) +
                    " is above -maxrate; using " + std::to_string(s.maxRate) + "\n";
        bitrate = s.maxRate;
    }
    if (s.minRate > 0 && bitrate > 0 && bitrate < s.minRate) {
        warnings += "Warning: video bit rate " + std::to_string(bitrate) +
                    " is below -minrate; using " + std::to_string(s.minRate) + "\n";
        bitrate = s.minRate;
    }
    if (bitrate > 0)
        encoder_->bit_rate = bitrate;
    if (s.maxRate > 0) {
        encoder_->rc_max_rate = s.maxRate;
        encoder_->rc_buffer_size =
            static_cast<int>(s.bufferSize > 0 ? s.bufferSize : std::max(s.maxRate, bitrate) * 2);
    } else if (s.bufferSize > 0) {
        encoder_->rc_buffer_size = static_cast<int>(s.bufferSize);
    }
    if (s.minRate > 0 && !x264)
        encoder_->rc_min_rate = std::min(s.minRate, s.maxRate > 0 ? s.maxRate : s.minRate);
    if (s.qscale > 0 && tuning.crf < 0) {
        // Every H.264 format's built-in values carry a quality scale that
        // libx264 has no use for: it encodes at the -b rate, without a word.
        if (!x264) {
            encoder_->flags |= AV_CODEC_FLAG_QSCALE;
            encoder_->global_quality = static_cast<int>(FF_QP2LAMBDA * s.qscale + 0.5);
        }
    }
    if (x264 && s.level > 0)
        encoder_->level = s.level;
    if (s.pass == 1)
        encoder_->flags |= AV_CODEC_FLAG_PASS1;
    if (s.pass == 2) {
        encoder_->flags |= AV_CODEC_FLAG_PASS2;
        if (!x264) {
            encoder_->stats_in = av_strdup(s.statsIn.c_str());
        }
    }
    if (x264 && s.pass > 0)
        av_opt_set(encoder_->priv_data, "stats", s.statsFile.c_str(), 0);

    int r = avcodec_open2(encoder_, codec, nullptr);
    if (r < 0) {
        error = std::string("cannot open video encoder ") + codec->name + " (" +
                std::to_string(encoder_->width) + "x" + std::to_string(encoder_->height) +
                "): " + ErrorText(r);
        return false;
    }
    return true;
}

bool VideoPipeline::FillStream(AVStream* output, std::string& error) const {
    int r = avcodec_parameters_from_context(output->codecpar, encoder_);
    if (r < 0) {
        error = "cannot describe the video stream: " + ErrorText(r);
        return false;
    }
    output->time_base = encoder_->time_base;
    output->avg_frame_rate = encoder_->framerate;
    output->sample_aspect_ratio = encoder_->sample_aspect_ratio;
    return true;
}

std::string VideoPipeline::stats() const {
    // libvpx and libaom hand their whole log over only while draining, with
    // no packet to inspect.
    if (stats_.empty() && encoder_ && encoder_->stats_out)
        return encoder_->stats_out;
    return stats_;
}

std::int64_t VideoPipeline::GuessDuration(const AVFrame* /*decoded*/) const {
    return frameTicks_;
}

bool VideoPipeline::Deliver(AVFrame* filtered) {
    AVRational tb = av_buffersink_get_time_base(filters_.sink());
    std::int64_t pts = filtered->pts == AV_NOPTS_VALUE
                           ? lastPts_ + 1
                           : av_rescale_q(filtered->pts, tb, encoder_->time_base);
    if (pts <= lastPts_ || pts < 0)
        return true; // a repeated or early picture is dropped
    lastPts_ = pts;
    filtered->pts = pts;
    filtered->pict_type = AV_PICTURE_TYPE_NONE;
    if (encoder_->flags & AV_CODEC_FLAG_QSCALE)
        filtered->quality = encoder_->global_quality;
    if (!Encode(filtered))
        return false;
    ++frames_;
    return true;
}

void VideoPipeline::Inspect(AVPacket* packet) {
    if (settings_.pass == 1 && encoder_->stats_out)
        stats_ += encoder_->stats_out;
    if (packet->duration <= 0)
        packet->duration = 1;
}

} // namespace rendix
