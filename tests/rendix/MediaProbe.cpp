#include "MediaProbe.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace {

// Standard output (and error) of a shell command.
std::string Capture(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

std::string Quoted(const std::string& path) {
    std::string quoted = "'";
    for (char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The number after `key` in the text, or -1.
double After(const std::string& text, const std::string& key) {
    std::size_t at = text.find(key);
    return at == std::string::npos ? -1 : std::atof(text.c_str() + at + key.size());
}

} // namespace

ProbedMedia ProbeMedia(const std::string& path) {
    // Lines such as streams.stream.1.codec_name="aac" or format.tags.title="A \"B\"".
    std::istringstream lines(Capture(
        "ffprobe -v error -of flat -show_entries format=format_name,duration:format_tags:"
        "stream=codec_type,codec_name,sample_rate,channels,width,height,display_aspect_ratio,"
        "r_frame_rate:stream_tags " +
        Quoted(path)));
    std::map<std::string, ProbedMedia> streams; // by index
    ProbedMedia media;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (value.size() >= 2 && value.front() == '"')
            value = value.substr(1, value.size() - 2);
        for (std::size_t at = 0; (at = value.find('\\', at)) != std::string::npos; ++at)
            value.erase(at, 1);
        const std::size_t tags = key.find(".tags.");
        if (tags != std::string::npos) {
            for (char& c : key)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            media.emplace("tags." + key.substr(tags + 6), value);
        } else if (key.rfind("streams.stream.", 0) == 0) {
            const std::size_t dot = key.find('.', 15);
            streams[key.substr(15, dot - 15)][key.substr(dot + 1)] = value;
        } else {
            media[key] = value;
        }
    }
    for (const auto& [index, fields] : streams)
        for (const auto& [field, value] : fields)
            media.emplace(fields.at("codec_type") + "." + field, value);
    return media;
}

double Number(const ProbedMedia& media, const std::string& key) {
    auto it = media.find(key);
    if (it == media.end() || it->second.empty() || !std::isdigit(it->second[0]))
        return -1;
    double value = std::atof(it->second.c_str());
    std::size_t slash = it->second.find('/');
    return slash == std::string::npos ? value : value / std::atof(it->second.c_str() + slash + 1);
}

double AudioPeakDb(const std::string& path) {
    return After(Capture("ffmpeg -nostdin -i " + Quoted(path) + " -af volumedetect -f null -"),
                 "max_volume: ");
}

double LumaOfRows(const std::string& path, int firstRow, int rowCount) {
    return After(Capture("ffmpeg -nostdin -v error -i " + Quoted(path) + " -vf crop=iw:" +
                         std::to_string(rowCount) + ":0:" + std::to_string(firstRow) +
                         ",signalstats,metadata=print:key=lavfi.signalstats.YAVG:file=-"
                         " -frames:v 1 -f null -"),
                 "YAVG=");
}

std::map<std::string, std::string> SoundTags(const std::string& path) {
    std::istringstream lines(Capture("ffprobe -v error -of flat -select_streams a:0 "
                                     "-show_entries format_tags:stream_tags " +
                                     Quoted(path)));
    std::map<std::string, std::string> tags;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tag = line.find(".tags."), equals = line.find('=');
        if (tag == std::string::npos || equals == std::string::npos)
            continue;
        std::string key = line.substr(tag + 6, equals - tag - 6);
        for (char& c : key)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        tags.emplace(key, line.substr(equals + 2, line.size() - equals - 3));
    }
    return tags;
}

int CoverPictures(const std::string& path) {
    const std::string text = Capture("ffprobe -v error -of csv=p=0 -show_entries "
                                     "stream_disposition=attached_pic " +
                                     Quoted(path));
    int count = 0;
    for (std::size_t at = 0; (at = text.find('1', at)) != std::string::npos; ++at)
        ++count;
    return count;
}

std::string ChapterList(const std::string& path) {
    std::istringstream lines(Capture("ffprobe -v error -of csv=p=0 -show_entries "
                                     "chapter=start_time:chapter_tags=title " +
                                     Quoted(path)));
    std::string list;
    char start[32];
    for (std::string line; std::getline(lines, line);) {
        const std::size_t comma = line.find(',');
        std::snprintf(start, sizeof start, "%.1f", std::atof(line.c_str()));
        list += std::string(start) + " " +
                (comma == std::string::npos ? "" : line.substr(comma + 1)) + "\n";
    }
    return list;
}

double DisplayRotation(const std::string& path) {
    const std::string text = Capture("ffprobe -v error -select_streams v:0 -show_entries "
                                     "stream_side_data=rotation -of csv=p=0 " +
                                     Quoted(path));
    return std::atof(text.c_str());
}
