#include "MediaProbe.h"

#include <algorithm>
#include <cctype>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::map<std::string, std::string> Tags(const AVDictionary* dict) {
    std::map<std::string, std::string> out;
    const AVDictionaryEntry* e = nullptr;
    while ((e = av_dict_get(dict, "", e, AV_DICT_IGNORE_SUFFIX)))
        out[Lower(e->key)] = e->value;
    return out;
}

// Opens the file and one decoder for the first stream of a kind.
struct Decoding {
    AVFormatContext* fmt = nullptr;
    AVCodecContext* dec = nullptr;
    int index = -1;
    Decoding(const std::string& path, AVMediaType type) {
        if (avformat_open_input(&fmt, path.c_str(), nullptr, nullptr) < 0)
            return;
        if (avformat_find_stream_info(fmt, nullptr) < 0)
            return;
        index = av_find_best_stream(fmt, type, -1, -1, nullptr, 0);
        if (index < 0)
            return;
        const AVCodec* codec = avcodec_find_decoder(fmt->streams[index]->codecpar->codec_id);
        dec = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(dec, fmt->streams[index]->codecpar);
        if (avcodec_open2(dec, codec, nullptr) < 0)
            avcodec_free_context(&dec);
    }
    ~Decoding() {
        avcodec_free_context(&dec);
        avformat_close_input(&fmt);
    }
    // Calls onFrame for decoded frames until it returns false.
    template <typename F> void Run(F onFrame) {
        if (!dec)
            return;
        AVPacket* pkt = av_packet_alloc();
        AVFrame* frame = av_frame_alloc();
        bool more = true;
        while (more && av_read_frame(fmt, pkt) >= 0) {
            if (pkt->stream_index == index && avcodec_send_packet(dec, pkt) >= 0)
                while (more && avcodec_receive_frame(dec, frame) >= 0)
                    more = onFrame(frame);
            av_packet_unref(pkt);
        }
        av_frame_free(&frame);
        av_packet_free(&pkt);
    }
};

} // namespace

const ProbedStream* ProbedMedia::find(const std::string& kind) const {
    for (const auto& s : streams)
        if (s.kind == kind)
            return &s;
    return nullptr;
}

std::string ProbedMedia::tag(const std::string& key) const {
    auto it = tags.find(key);
    if (it != tags.end())
        return it->second;
    for (const auto& s : streams) {
        auto st = s.tags.find(key);
        if (st != s.tags.end())
            return st->second;
    }
    return {};
}

ProbedMedia ProbeMedia(const std::string& path) {
    ProbedMedia media;
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, path.c_str(), nullptr, nullptr) < 0)
        return media;
    if (avformat_find_stream_info(fmt, nullptr) < 0) {
        avformat_close_input(&fmt);
        return media;
    }
    media.ok = true;
    media.format = fmt->iformat->name;
    if (fmt->duration != AV_NOPTS_VALUE)
        media.duration = fmt->duration / static_cast<double>(AV_TIME_BASE);
    media.tags = Tags(fmt->metadata);
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* st = fmt->streams[i];
        const AVCodecParameters* par = st->codecpar;
        ProbedStream s;
        s.codec = avcodec_get_name(par->codec_id);
        s.tags = Tags(st->metadata);
        if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            s.kind = "audio";
            s.sampleRate = par->sample_rate;
            s.channels = par->ch_layout.nb_channels;
        } else if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            s.kind = "video";
            s.width = par->width;
            s.height = par->height;
            AVRational sar = av_guess_sample_aspect_ratio(fmt, const_cast<AVStream*>(st), nullptr);
            double sarValue = sar.num > 0 ? av_q2d(sar) : 1.0;
            s.displayAspect = par->height ? sarValue * par->width / par->height : 0;
            AVRational rate = av_guess_frame_rate(fmt, const_cast<AVStream*>(st), nullptr);
            s.frameRate = rate.den ? av_q2d(rate) : 0;
        } else {
            continue;
        }
        media.streams.push_back(s);
    }
    avformat_close_input(&fmt);
    return media;
}

double AudioPeak(const std::string& path) {
    Decoding d(path, AVMEDIA_TYPE_AUDIO);
    double peak = 0;
    d.Run([&](AVFrame* f) {
        // Converted to doubles by hand for the two layouts the tests write.
        int channels = f->ch_layout.nb_channels;
        for (int i = 0; i < f->nb_samples * channels; ++i) {
            double v = 0;
            if (f->format == AV_SAMPLE_FMT_S16)
                v = reinterpret_cast<const int16_t*>(f->data[0])[i] / 32768.0;
            else if (f->format == AV_SAMPLE_FMT_FLTP)
                v = reinterpret_cast<const float*>(f->data[i % channels])[i / channels];
            peak = std::max(peak, std::fabs(v));
        }
        return true;
    });
    return peak;
}

double LumaOfRows(const std::string& path, int firstRow, int rowCount) {
    Decoding d(path, AVMEDIA_TYPE_VIDEO);
    double average = -1;
    d.Run([&](AVFrame* f) {
        double sum = 0;
        for (int y = firstRow; y < firstRow + rowCount; ++y)
            for (int x = 0; x < f->width; ++x)
                sum += f->data[0][y * f->linesize[0] + x];
        average = sum / (rowCount * f->width);
        return false;
    });
    return average;
}
