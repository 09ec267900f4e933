#include "rendix/InputMedia.h"

#include "rendix/FdIo.h"
#include "rendix/RegularFile.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace rendix {

std::string ErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

namespace {

// What a failed open says about the user's file: data no demuxer knows (an
// empty file, a web page saved as .mp3) is simply no media file.
std::string OpenErrorText(int code) {
    if (code == AVERROR_INVALIDDATA || code == AVERROR(EINVAL) || code == AVERROR_EOF)
        return "not a media file (no sound or video format recognised)";
    return ErrorText(code);
}

} // namespace

InputMedia::~InputMedia() {
    Close();
}

void InputMedia::Close() {
    if (ctx_)
        avformat_close_input(&ctx_);
    io_.reset(); // the context never owns what reads for it
    audioStream_ = videoStream_ = -1;
}

bool InputMedia::Open(const std::string& path, std::string& error) {
    Close();
    path_ = path;
    const int fd = OpenRegularFile(path, error);
    if (fd < 0)
        return false;
    io_ = std::make_unique<FdIo>(fd, FdIo::Mode::Read);
    ctx_ = avformat_alloc_context();
    if (!ctx_ || !io_->context()) {
        error = path + ": out of memory";
        Close();
        return false;
    }
    ctx_->pb = io_->context();
    // Whatever the file itself names (a playlist's entries) is a file too.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    int r = avformat_open_input(&ctx_, path.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (r < 0) {
        error = path + ": " + OpenErrorText(r);
        Close();
        return false;
    }
    r = avformat_find_stream_info(ctx_, nullptr);
    if (r < 0) {
        error = path + ": could not read stream information: " + ErrorText(r);
        Close();
        return false;
    }
    audioStream_ = av_find_best_stream(ctx_, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (audioStream_ < 0 || !avcodec_find_decoder(ctx_->streams[audioStream_]->codecpar->codec_id))
        audioStream_ = -1;
    // Cover art in audio files is a picture, not a video.
    videoStream_ = -1;
    int best = av_find_best_stream(ctx_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (best >= 0 && !(ctx_->streams[best]->disposition & AV_DISPOSITION_ATTACHED_PIC) &&
        avcodec_find_decoder(ctx_->streams[best]->codecpar->codec_id))
        videoStream_ = best;
    if (audioStream_ < 0 && videoStream_ < 0) {
        error = path + ": no audio or video stream that can be decoded";
        Close();
        return false;
    }
    return true;
}

bool InputMedia::Reopen(std::string& error) {
    std::string path = path_;
    return Open(path, error);
}

double InputMedia::durationSeconds() const {
    if (!ctx_ || ctx_->duration == AV_NOPTS_VALUE || ctx_->duration <= 0)
        return -1;
    return static_cast<double>(ctx_->duration) / AV_TIME_BASE;
}

long long InputMedia::startTime() const {
    if (!ctx_ || ctx_->start_time == AV_NOPTS_VALUE)
        return 0;
    return ctx_->start_time;
}

void InputMedia::SeekTo(double seconds) {
    if (!ctx_ || seconds <= 0)
        return;
    long long ts = startTime() + static_cast<long long>(seconds * AV_TIME_BASE);
    avformat_seek_file(ctx_, -1, INT64_MIN, ts, ts, 0);
}

} // namespace rendix
