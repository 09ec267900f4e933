#include "rendix/Chapters.h"

#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavformat/avformat.h>
}

namespace rendix {

namespace {

struct Window {
    std::int64_t offset; // in the chapter's time base
    std::int64_t length; // 0 = to the end
};

// A negative start is the codec's delay, not a part of the time line.
Window WindowIn(AVRational tb, const AVFormatContext* in, double start, double duration) {
    const std::int64_t origin =
        in->start_time == AV_NOPTS_VALUE ? 0 : std::max<std::int64_t>(in->start_time, 0);
    const auto micro = [](double s) { return static_cast<std::int64_t>(s * AV_TIME_BASE); };
    return {av_rescale_q(origin + micro(start), AV_TIME_BASE_Q, tb),
            duration > 0 ? av_rescale_q(micro(duration), AV_TIME_BASE_Q, tb) : 0};
}

bool Append(AVFormatContext* out, AVChapter* chapter) {
    auto** grown = static_cast<AVChapter**>(
        av_realloc_array(out->chapters, out->nb_chapters + 1, sizeof *out->chapters));
    if (!grown)
        return false;
    out->chapters = grown;
    out->chapters[out->nb_chapters++] = chapter;
    return true;
}

// "CHAPTER001=00:01:02.500" and "CHAPTER001NAME=title", as Ogg players read
// them (libavformat's own Ogg writer misplaces them by up to a second).
void AddComments(AVDictionary** comments, unsigned number, const AVChapter& chapter) {
    const std::int64_t ms = av_rescale_q(chapter.start, chapter.time_base, AVRational{1, 1000});
    char key[32], time[32];
    std::snprintf(key, sizeof key, "CHAPTER%03u", number);
    std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld.%03lld",
                  static_cast<long long>(ms / 3600000), static_cast<long long>(ms / 60000 % 60),
                  static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
    av_dict_set(comments, key, time, 0);
    if (const AVDictionaryEntry* title = av_dict_get(chapter.metadata, "title", nullptr, 0))
        av_dict_set(comments, (std::string(key) + "NAME").c_str(), title->value, 0);
}

AVDictionary** CommentsOf(AVFormatContext* out, const std::string& muxer, int audioIndex) {
    if (muxer == "flac")
        return &out->metadata;
    if ((muxer == "ogg" || muxer == "opus") && audioIndex >= 0)
        return &out->streams[audioIndex]->metadata;
    return nullptr;
}

} // namespace

bool CopyChapters(const AVFormatContext* in, AVFormatContext* out, const std::string& muxer,
                  int audioIndex, double startSeconds, double durationSeconds, std::string& error) {
    AVDictionary** comments = CommentsOf(out, muxer, audioIndex);
    unsigned number = 0;
    for (unsigned i = 0; i < in->nb_chapters; ++i) {
        const AVChapter* source = in->chapters[i];
        const Window w = WindowIn(source->time_base, in, startSeconds, durationSeconds);
        std::int64_t start = std::max<std::int64_t>(source->start - w.offset, 0);
        std::int64_t end = source->end - w.offset;
        if (w.length > 0)
            end = std::min(end, w.length);
        if (end <= start)
            continue; // outside the part converted
        const AVChapter moved{source->id, source->time_base, start, end, source->metadata};
        if (comments) {
            AddComments(comments, number++, moved);
            continue;
        }
        auto* chapter = static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter)));
        if (!chapter || !Append(out, chapter))
            return av_free(chapter), error = "out of memory", false;
        *chapter = moved;
        chapter->metadata = nullptr;
        av_dict_copy(&chapter->metadata, source->metadata, 0);
    }
    return true;
}

} // namespace rendix
