#include "convert/ProbeMediaFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
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

// A regular file opened for reading; -1 for anything else. A FIFO, device
// or folder is refused before it is opened, since opening or reading one can
// wait forever; the descriptor is checked again in case the name changed.
int OpenRegularFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int ReadFromFile(void* opaque, std::uint8_t* buffer, int size) {
    ssize_t n;
    do
        n = ::read(*static_cast<int*>(opaque), buffer, static_cast<std::size_t>(size));
    while (n < 0 && errno == EINTR);
    return n < 0 ? AVERROR(errno) : n == 0 ? AVERROR_EOF : static_cast<int>(n);
}

std::int64_t SeekInFile(void* opaque, std::int64_t offset, int whence) {
    const int fd = *static_cast<int*>(opaque);
    struct stat st {};
    if (whence == AVSEEK_SIZE)
        return ::fstat(fd, &st) == 0 ? st.st_size : AVERROR(errno);
    const off_t at = ::lseek(fd, offset, whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : at;
}

// The file opened by its plain name (never as a protocol: "file:x" and
// "pipe:0" are names) and read through the descriptor that was checked.
class MediaFile {
  public:
    explicit MediaFile(const std::string& path) : fd_(OpenRegularFile(path)) {
        auto* buffer = static_cast<unsigned char*>(fd_ >= 0 ? av_malloc(kBufferSize) : nullptr);
        io_ = buffer ? avio_alloc_context(buffer, kBufferSize, 0, &fd_, ReadFromFile, nullptr,
                                          SeekInFile)
                     : nullptr;
        if (!io_)
            av_free(buffer);
        if (!io_ || !(context_ = avformat_alloc_context()))
            return;
        context_->pb = io_;
        AVDictionary* options = nullptr; // what the file names is a file too
        av_dict_set(&options, "protocol_whitelist", "file", 0);
        if (avformat_open_input(&context_, path.c_str(), nullptr, &options) < 0)
            context_ = nullptr; // freed by the failed open
        av_dict_free(&options);
    }
    ~MediaFile() {
        avformat_close_input(&context_);
        if (io_)
            av_freep(&io_->buffer);
        avio_context_free(&io_);
        if (fd_ >= 0)
            ::close(fd_);
    }
    MediaFile(const MediaFile&) = delete;
    MediaFile& operator=(const MediaFile&) = delete;

    // Null when the file could not be opened as media.
    AVFormatContext* context() const { return context_; }

  private:
    static constexpr int kBufferSize = 32768;
    int fd_;
    AVIOContext* io_ = nullptr;
    AVFormatContext* context_ = nullptr;
};

std::int32_t WholeSeconds(std::int64_t durationMicroseconds) {
    if (durationMicroseconds == AV_NOPTS_VALUE)
        return kUnknownDuration;
    const double seconds = static_cast<double>(durationMicroseconds) * 0.000001;
    // A value beyond the field's range would be undefined to convert.
    if (seconds >= static_cast<double>(kUnknownDuration) || seconds <= -2147483648.0)
        return kUnknownDuration;
    return static_cast<std::int32_t>(seconds);
}

// A tag of the container, else of the sound stream that is converted (Ogg
// and similar containers keep their comments there). A picture's or a video
// track's own names ("Cover (front)", "Video") are no tags of the file.
const char* FindTag(const AVFormatContext* context, const AVStream* audio, const char* key) {
    if (const AVDictionaryEntry* entry = av_dict_get(context->metadata, key, nullptr, 0))
        return entry->value;
    const AVDictionaryEntry* entry =
        audio ? av_dict_get(audio->metadata, key, nullptr, 0) : nullptr;
    return entry ? entry->value : nullptr;
}

std::string TagText(const AVFormatContext* context, const AVStream* audio, const char* key,
                    const char* alternativeKey = nullptr) {
    const char* value = FindTag(context, audio, key);
    if (!value && alternativeKey)
        value = FindTag(context, audio, alternativeKey);
    return value ? value : "";
}

// Numbers are read as atoi reads them: "3/12" is 3, "2007-05-01" is 2007.
int TagNumber(const AVFormatContext* context, const AVStream* audio, const char* key,
              const char* alternativeKey = nullptr) {
    return std::atoi(TagText(context, audio, key, alternativeKey).c_str());
}

// The sound stream the encoder will convert, or null.
const AVStream* ConvertedAudio(AVFormatContext* context) {
    const int index = av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    return index >= 0 ? context->streams[index] : nullptr;
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

    MediaFile file(path);
    AVFormatContext* context = file.context();
    if (!context || avformat_find_stream_info(context, nullptr) < 0) {
        job.duration = kUnknownDuration;
        return false;
    }

    job.duration = WholeSeconds(context->duration);
    const AVStream* audio = ConvertedAudio(context);
    job.album = TagText(context, audio, "album");
    job.author = TagText(context, audio, "artist", "author");
    job.comment = TagText(context, audio, "comment");
    job.title = TagText(context, audio, "title");
    job.track = TagNumber(context, audio, "track");
    job.year = TagNumber(context, audio, "date", "year");
    ReadStreams(context, job);
    return true;
}

} // namespace velmont
