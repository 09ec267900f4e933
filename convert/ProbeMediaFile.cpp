#include "convert/ProbeMediaFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace velmont {

namespace {

// The file's name without its last extension, as found on disk; empty when
// the file is not there.
std::string OutputNameOnDisk(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file(path);
    if (!std::filesystem::exists(file, error))
        return {};
    return file.stem().string();
}

std::int32_t WholeSeconds(std::int64_t durationMicroseconds) {
    if (durationMicroseconds == AV_NOPTS_VALUE)
        return kUnknownDuration;
    const double seconds = static_cast<double>(durationMicroseconds) * 0.000001;
    // A value beyond the field's range would be undefined to convert.
    if (seconds >= static_cast<double>(kUnknownDuration) || seconds <= -2147483648.0)
        return kUnknownDuration;
    return static_cast<std::int32_t>(seconds);
}

// A tag of the container; Ogg and similar containers keep their comments on
// the stream, so the streams are asked when the container has none.
const char* FindTag(const AVFormatContext* context, const char* key) {
    if (const AVDictionaryEntry* entry = av_dict_get(context->metadata, key, nullptr, 0))
        return entry->value;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        if (const AVDictionaryEntry* entry =
                av_dict_get(context->streams[i]->metadata, key, nullptr, 0))
            return entry->value;
    }
    return nullptr;
}

std::string TagText(const AVFormatContext* context, const char* key,
                    const char* alternativeKey = nullptr) {
    const char* value = FindTag(context, key);
    if (!value && alternativeKey)
        value = FindTag(context, alternativeKey);
    return value ? value : "";
}

// Numbers are read as atoi reads them: "3/12" is 3, "2007-05-01" is 2007.
int TagNumber(const AVFormatContext* context, const char* key,
              const char* alternativeKey = nullptr) {
    return std::atoi(TagText(context, key, alternativeKey).c_str());
}

void ReadStreams(const AVFormatContext* context, JobItem& job) {
    job.hasAudio = false;
    job.hasVideo = false;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream* stream = context->streams[i];
        if (!stream->codecpar)
            continue;
        switch (stream->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            // Cover art of a music file is no video to convert.
            if (!(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
                job.hasVideo = true;
            break;
        case AVMEDIA_TYPE_AUDIO:
            job.hasAudio = true;
            break;
        default:
            break;
        }
    }
}

} // namespace

bool ProbeMediaFile(const std::string& path, JobItem& job) {
    const std::string outputName = OutputNameOnDisk(path);
    if (!outputName.empty())
        job.outputName = outputName;

    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) < 0) {
        job.duration = kUnknownDuration;
        return false;
    }
    if (avformat_find_stream_info(context, nullptr) < 0) {
        job.duration = kUnknownDuration;
        avformat_close_input(&context);
        return false;
    }

    job.duration = WholeSeconds(context->duration);
    job.album = TagText(context, "album");
    job.author = TagText(context, "artist", "author");
    job.comment = TagText(context, "comment");
    job.title = TagText(context, "title");
    job.track = TagNumber(context, "track");
    job.year = TagNumber(context, "date", "year");
    ReadStreams(context, job);

    avformat_close_input(&context);
    return true;
}

} // namespace velmont
