#include "rendix/CoverArt.h"

#include "rendix/InputMedia.h"
#include "rendix/PictureBlock.h"

#include <cstring>

extern "C" {
#include <libavformat/avformat.h>
}

namespace rendix {

namespace {

enum class CoverWay { None, PictureStream, Attachment, PictureComment };

CoverWay CoverWayFor(const std::string& muxer) {
    if (muxer == "mp3" || muxer == "mp4" || muxer == "ipod" || muxer == "flac")
        return CoverWay::PictureStream;
    if (muxer == "matroska")
        return CoverWay::Attachment;
    if (muxer == "ogg" || muxer == "opus")
        return CoverWay::PictureComment;
    return CoverWay::None;
}

// JPEG and PNG: what every container that keeps a cover takes.
const AVStream* FindCover(const AVFormatContext* in) {
    for (unsigned i = 0; i < in->nb_streams; ++i) {
        const AVStream* st = in->streams[i];
        const AVCodecID id = st->codecpar->codec_id;
        if ((st->disposition & AV_DISPOSITION_ATTACHED_PIC) && st->attached_pic.size > 0 &&
            (id == AV_CODEC_ID_MJPEG || id == AV_CODEC_ID_PNG))
            return st;
    }
    return nullptr;
}

bool IsPng(const AVStream* picture) {
    return picture->codecpar->codec_id == AV_CODEC_ID_PNG;
}

std::string Description(const AVStream* picture) {
    const AVDictionaryEntry* title = av_dict_get(picture->metadata, "title", nullptr, 0);
    return title ? title->value : "";
}

} // namespace

bool CoverArt::Prepare(const AVFormatContext* in, AVFormatContext* out, const std::string& muxer,
                       int audioIndex, std::string& error) {
    picture_ = FindCover(in);
    if (!picture_)
        return true;
    switch (CoverWayFor(muxer)) {
    case CoverWay::PictureStream:
        return AddPictureStream(out, error);
    case CoverWay::Attachment:
        return AddAttachment(out, error);
    case CoverWay::PictureComment:
        return audioIndex < 0 || AddPictureComment(out, audioIndex, error);
    case CoverWay::None:
        break;
    }
    return true;
}

bool CoverArt::AddPictureStream(AVFormatContext* out, std::string& error) {
    AVStream* st = avformat_new_stream(out, nullptr);
    if (!st || avcodec_parameters_copy(st->codecpar, picture_->codecpar) < 0)
        return error = "out of memory", false;
    st->disposition = AV_DISPOSITION_ATTACHED_PIC;
    st->time_base = AVRational{1, 90000};
    // The description and the picture's kind ("Cover (front)") go along.
    av_dict_copy(&st->metadata, picture_->metadata, 0);
    outIndex_ = st->index;
    return true;
}

bool CoverArt::AddAttachment(AVFormatContext* out, std::string& error) {
    AVStream* st = avformat_new_stream(out, nullptr);
    const int size = picture_->attached_pic.size;
    if (!st || !(st->codecpar->extradata =
                     static_cast<std::uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE))))
        return error = "out of memory", false;
    std::memcpy(st->codecpar->extradata, picture_->attached_pic.data, size);
    st->codecpar->extradata_size = size;
    st->codecpar->codec_type = AVMEDIA_TYPE_ATTACHMENT;
    st->codecpar->codec_id = picture_->codecpar->codec_id;
    // Matroska players look for a cover under these names.
    av_dict_set(&st->metadata, "filename", IsPng(picture_) ? "cover.png" : "cover.jpg", 0);
    av_dict_set(&st->metadata, "mimetype", IsPng(picture_) ? "image/png" : "image/jpeg", 0);
    return true;
}

bool CoverArt::AddPictureComment(AVFormatContext* out, int audioIndex, std::string& error) {
    PictureFacts facts{IsPng(picture_) ? "image/png" : "image/jpeg", Description(picture_),
                       picture_->codecpar->width, picture_->codecpar->height};
    const std::string block =
        PictureBlockBase64(facts, picture_->attached_pic.data, picture_->attached_pic.size);
    if (block.empty())
        return true; // too large for a picture block: the sound goes without it
    if (av_dict_set(&out->streams[audioIndex]->metadata, "METADATA_BLOCK_PICTURE", block.c_str(),
                    0) < 0)
        return error = "out of memory", false;
    return true;
}

bool CoverArt::Write(AVFormatContext* out, std::string& error) {
    if (outIndex_ < 0)
        return true;
    AVPacket* packet = av_packet_clone(&picture_->attached_pic);
    if (!packet)
        return error = "out of memory", false;
    packet->stream_index = outIndex_;
    packet->pts = packet->dts = 0;
    const int r = av_interleaved_write_frame(out, packet);
    av_packet_free(&packet);
    if (r < 0)
        return error = "writing the cover picture failed: " + ErrorText(r), false;
    return true;
}

} // namespace rendix
