#include "rendix/AudioPipeline.h"

#include "rendix/AmrModes.h"
#include "rendix/AudioChoices.h"
#include "rendix/FilterText.h"
#include "rendix/InputMedia.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace rendix {

namespace {

std::string LayoutText(const AVChannelLayout& layout) {
    char text[128] = {};
    av_channel_layout_describe(&layout, text, sizeof text);
    return text;
}

} // namespace

bool AudioPipeline::Open(const AVStream* input, const AudioSettings& settings, std::string& error) {
    settings_ = settings;
    if (!OpenDecoding(input, settings.inputStartTime, error))
        return false;
    timeBase_ = input->time_base;

    AVChannelLayout sourceLayout{};
    if (decoder_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC ||
        decoder_->ch_layout.nb_channels == 0)
        av_channel_layout_default(&sourceLayout, decoder_->ch_layout.nb_channels > 0
                                                     ? decoder_->ch_layout.nb_channels
                                                     : 2);
    else
        av_channel_layout_copy(&sourceLayout, &decoder_->ch_layout);
    if (decoder_->sample_rate <= 0 || decoder_->sample_fmt == AV_SAMPLE_FMT_NONE) {
        error = "cannot determine the audio format of the input";
        return false;
    }

    // What the encoder will get: rate, layout and the formats it takes.
    int wantedRate = settings.sampleRate > 0 ? settings.sampleRate : decoder_->sample_rate;
    int wantedChannels = settings.channels > 0 ? settings.channels : sourceLayout.nb_channels;
    AVChannelLayout layout{};
    std::string formats;
    const AVCodec* codec = nullptr;
    const bool isAmr = settings.encoder.kind != AudioEncoderKind::Library;
    if (isAmr) {
        bool wide = settings.encoder.kind == AudioEncoderKind::AmrWideBand;
        amrMode_ = wide ? AmrWideBandMode(settings.bitrate) : AmrNarrowBandMode(settings.bitrate);
        amr_ = std::make_unique<AmrEncoder>(wide, amrMode_);
        if (!amr_->valid()) {
            error = "cannot start the AMR encoder";
            return false;
        }
        outRate_ = amr_->sampleRate();
        av_channel_layout_default(&layout, 1);
        formats = "s16";
    } else {
        codec = avcodec_find_encoder_by_name(settings.encoder.libraryName.c_str());
        std::vector<int> rates;
        for (const int* r = codec->supported_samplerates; r && *r; ++r)
            rates.push_back(*r);
        outRate_ = NearestValue(wantedRate, rates);
        outRate_ = NearestValue(outRate_, ContainerSampleRates(settings.muxerName, codec->name));
        const AVChannelLayout* best = nullptr;
        for (const AVChannelLayout* l = codec->ch_layouts; l && l->nb_channels; ++l) {
            if (!best || std::abs(l->nb_channels - wantedChannels) <
                             std::abs(best->nb_channels - wantedChannels))
                best = l;
        }
        if (best && best->nb_channels != wantedChannels)
            av_channel_layout_copy(&layout, best);
        else if (best && wantedChannels == sourceLayout.nb_channels &&
                 av_channel_layout_compare(best, &sourceLayout) != 0) {
            // Same count but the encoder wants its own layout of it.
            const AVChannelLayout* same = nullptr;
            for (const AVChannelLayout* l = codec->ch_layouts; l && l->nb_channels; ++l)
                if (!av_channel_layout_compare(l, &sourceLayout))
                    same = l;
            av_channel_layout_copy(&layout, same ? same : best);
        } else if (wantedChannels == sourceLayout.nb_channels)
            av_channel_layout_copy(&layout, &sourceLayout);
        else
            av_channel_layout_default(&layout, wantedChannels);
        for (const AVSampleFormat* f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
            if (!formats.empty())
                formats += '|';
            formats += av_get_sample_fmt_name(*f);
        }
    }

    AudioFilterRequest request;
    request.startSeconds = settings.startSeconds;
    request.durationSeconds = settings.durationSeconds;
    request.volume = settings.volume;
    request.sampleFormats = formats;
    request.sampleRate = outRate_;
    request.channelLayout = LayoutText(layout);
    char args[512];
    snprintf(args, sizeof args, "time_base=%d/%d:sample_rate=%d:sample_fmt=%s:channel_layout=%s",
             input->time_base.num, input->time_base.den, decoder_->sample_rate,
             av_get_sample_fmt_name(decoder_->sample_fmt), LayoutText(sourceLayout).c_str());
    av_channel_layout_uninit(&sourceLayout);
    if (!filters_.Build(true, args, AudioFilterText(request), error)) {
        av_channel_layout_uninit(&layout);
        return false;
    }
    av_channel_layout_uninit(&layout);
    AVFilterContext* sink = filters_.sink();

    if (isAmr) {
        av_buffersink_set_frame_size(sink, static_cast<unsigned>(amr_->frameSamples()));
        return true;
    }

    encoder_ = avcodec_alloc_context3(codec);
    encoder_->sample_rate = av_buffersink_get_sample_rate(sink);
    encoder_->sample_fmt = static_cast<AVSampleFormat>(av_buffersink_get_format(sink));
    av_buffersink_get_ch_layout(sink, &encoder_->ch_layout);
    encoder_->time_base = AVRational{1, encoder_->sample_rate};
    const AVCodecDescriptor* desc = avcodec_descriptor_get(codec->id);
    if (settings.bitrate > 0 && !(desc && (desc->props & AV_CODEC_PROP_LOSSLESS)))
        encoder_->bit_rate = settings.bitrate;
    encoder_->thread_count = 0;
    if (settings.globalHeader)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int r = avcodec_open2(encoder_, codec, nullptr);
    if (r < 0) {
        error = std::string("cannot open audio encoder ") + codec->name + " (" +
                std::to_string(encoder_->sample_rate) + " Hz, " +
                std::to_string(encoder_->ch_layout.nb_channels) + " channels, " +
                std::to_string(encoder_->bit_rate) + " bit/s): " + ErrorText(r);
        return false;
    }
    if (!(codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && encoder_->frame_size > 0)
        av_buffersink_set_frame_size(sink, static_cast<unsigned>(encoder_->frame_size));
    return true;
}

bool AudioPipeline::FillStream(AVStream* output, std::string& error) const {
    if (encoder_) {
        int r = avcodec_parameters_from_context(output->codecpar, encoder_);
        if (r < 0) {
            error = "cannot describe the audio stream: " + ErrorText(r);
            return false;
        }
        output->time_base = encoder_->time_base;
        return true;
    }
    AVCodecParameters* par = output->codecpar;
    bool wide = settings_.encoder.kind == AudioEncoderKind::AmrWideBand;
    par->codec_type = AVMEDIA_TYPE_AUDIO;
    par->codec_id = wide ? AV_CODEC_ID_AMR_WB : AV_CODEC_ID_AMR_NB;
    par->sample_rate = amr_->sampleRate();
    av_channel_layout_default(&par->ch_layout, 1);
    par->frame_size = amr_->frameSamples();
    par->format = AV_SAMPLE_FMT_S16;
    par->bit_rate = wide ? AmrWideBandRate(amrMode_) : AmrNarrowBandRate(amrMode_);
    output->time_base = AVRational{1, amr_->sampleRate()};
    return true;
}

std::int64_t AudioPipeline::GuessDuration(const AVFrame* decoded) const {
    return av_rescale_q(decoded->nb_samples,
                        AVRational{1, decoded->sample_rate > 0 ? decoded->sample_rate : 1},
                        timeBase_);
}

bool AudioPipeline::Deliver(AVFrame* filtered) {
    // Continuous timestamps in samples, starting where the first frame does.
    AVRational tb = av_buffersink_get_time_base(filters_.sink());
    if (!ptsStarted_) {
        nextPts_ = filtered->pts == AV_NOPTS_VALUE
                       ? 0
                       : av_rescale_q(filtered->pts, tb, AVRational{1, outRate_});
        if (nextPts_ < 0)
            nextPts_ = 0;
        ptsStarted_ = true;
    }
    filtered->pts = nextPts_;
    nextPts_ += filtered->nb_samples;
    return amr_ ? EncodeAmr(filtered) : Encode(filtered);
}

bool AudioPipeline::EncodeAmr(AVFrame* frame) {
    if (!frame)
        return true;
    const int n = amr_->frameSamples();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(n), 0);
    const auto* data = reinterpret_cast<const std::int16_t*>(frame->data[0]);
    for (int i = 0; i < frame->nb_samples && i < n; ++i)
        samples[static_cast<std::size_t>(i)] = data[i];
    std::vector<std::uint8_t> coded = amr_->Encode(samples.data());
    if (coded.empty()) {
        error_ = "AMR encoding failed";
        return false;
    }
    if (av_new_packet(packet_, static_cast<int>(coded.size())) < 0) {
        error_ = "out of memory";
        return false;
    }
    std::copy(coded.begin(), coded.end(), packet_->data);
    packet_->pts = packet_->dts = frame->pts;
    packet_->duration = n;
    packet_->flags |= AV_PKT_FLAG_KEY;
    return Emit(packet_, AVRational{1, amr_->sampleRate()});
}

} // namespace rendix
