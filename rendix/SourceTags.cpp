#include "rendix/SourceTags.h"

#include <cstdlib>

extern "C" {
#include <libavformat/avformat.h>
}

namespace rendix {

namespace {

constexpr const char* kOwnedKeys[] = {"title", "artist", "album", "comment", "track", "date"};
constexpr const char* kCarriedKeys[] = {"genre", "album_artist", "disc", "composer"};

const char* FindValue(const AVFormatContext* in, const AVStream* audio, const char* key) {
    if (const AVDictionaryEntry* e = av_dict_get(in->metadata, key, nullptr, 0))
        return e->value;
    const AVDictionaryEntry* e = audio ? av_dict_get(audio->metadata, key, nullptr, 0) : nullptr;
    return e ? e->value : nullptr;
}

// "3" with a separate total "12" -> "3/12"; anything else as it is.
std::string WithTotal(const AVFormatContext* in, const AVStream* audio, const std::string& key,
                      const std::string& value) {
    if (value.find('/') != std::string::npos || (key != "track" && key != "disc"))
        return value;
    const std::string totalKeys[] = {key + "total", "total" + key + "s"};
    for (const std::string& totalKey : totalKeys) {
        if (const char* total = FindValue(in, audio, totalKey.c_str()); total && *total)
            return value + "/" + total;
    }
    return value;
}

void AddFound(const AVFormatContext* in, const AVStream* audio, const char* key, Tags& tags) {
    const char* value = FindValue(in, audio, key);
    if (value && *value)
        tags.emplace_back(key, WithTotal(in, audio, key, value));
}

std::string SourceKey(const std::string& commandLineName) {
    return commandLineName == "author" ? "artist"
           : commandLineName == "year" ? "date"
                                       : commandLineName;
}

const std::string* Lookup(const Tags& tags, const std::string& key) {
    for (const auto& [name, value] : tags) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

// The source's text when the command line only repeats its leading number.
std::string FullerText(const std::string& name, const std::string& value, const Tags& source) {
    if (name != "track" && name != "year")
        return value;
    const std::string* full = Lookup(source, SourceKey(name));
    if (!full || *full == value || std::atoi(full->c_str()) != std::atoi(value.c_str()))
        return value;
    return *full;
}

} // namespace

Tags ReadSourceTags(const AVFormatContext* in, int audioStream) {
    const AVStream* audio = audioStream >= 0 ? in->streams[audioStream] : nullptr;
    Tags tags;
    for (const char* key : kOwnedKeys)
        AddFound(in, audio, key, tags);
    for (const char* key : kCarriedKeys)
        AddFound(in, audio, key, tags);
    return tags;
}

Tags CarriedTags(const Tags& commandLine, const Tags& source) {
    Tags tags;
    for (const auto& [name, value] : commandLine)
        tags.emplace_back(name, FullerText(name, value, source));
    for (const char* key : kCarriedKeys) {
        if (const std::string* value = Lookup(source, key); value && !Lookup(tags, key))
            tags.emplace_back(key, *value);
    }
    return tags;
}

} // namespace rendix
