#include "rendix/Options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace rendix {

namespace {

bool ParseDouble(const std::string& text, double& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(text.c_str(), &end);
    if (errno != 0 || end == text.c_str() || *end != '\0' || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool ParseInt(const std::string& text, long long& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0')
        return false;
    value = v;
    return true;
}

// Bit rates: plain bit/s, or with a k / M suffix.
bool ParseBitrate(const std::string& text, std::int64_t& value) {
    if (text.empty())
        return false;
    std::string digits = text;
    double scale = 1;
    char last = digits.back();
    if (last == 'k' || last == 'K') {
        scale = 1000;
        digits.pop_back();
    } else if (last == 'M' || last == 'm') {
        scale = 1000000;
        digits.pop_back();
    }
    double v = 0;
    if (!ParseDouble(digits, v) || v < 0 || v * scale > 1e12)
        return false;
    value = static_cast<std::int64_t>(std::llround(v * scale));
    return true;
}

bool ParseRangedInt(const std::string& text, long long low, long long high, int& value) {
    long long v = 0;
    if (!ParseInt(text, v) || v < low || v > high)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

bool ParseFrameSize(const std::string& text, int& width, int& height) {
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == 0 || i + 1 >= text.size())
        return false;
    std::string w = text.substr(0, i);
    std::string h = text.substr(i + 1);
    int wv = 0, hv = 0;
    if (!ParseRangedInt(w, 1, 16384, wv) || !ParseRangedInt(h, 1, 16384, hv))
        return false;
    for (char c : h)
        if (c < '0' || c > '9')
            return false;
    width = wv;
    height = hv;
    return true;
}

bool ParseAspect(const std::string& text, double& aspect) {
    auto colon = text.find(':');
    if (colon == std::string::npos)
        colon = text.find('/');
    double v = 0;
    if (colon == std::string::npos) {
        if (!ParseDouble(text, v))
            return false;
    } else {
        double num = 0, den = 0;
        if (!ParseDouble(text.substr(0, colon), num) || !ParseDouble(text.substr(colon + 1), den) ||
            den <= 0)
            return false;
        v = num / den;
    }
    if (!(v > 0.01 && v < 100))
        return false;
    aspect = v;
    return true;
}

bool ParseTime(const std::string& text, double& seconds) {
    if (text.empty())
        return false;
    double total = 0;
    std::size_t start = 0;
    int parts = 0;
    while (true) {
        auto colon = text.find(':', start);
        std::string part = text.substr(start, colon == std::string::npos ? colon : colon - start);
        double v = 0;
        if (!ParseDouble(part, v) || v < 0)
            return false;
        total = total * 60 + v;
        if (++parts > 3)
            return false;
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    seconds = total;
    return true;
}

ParseResult ParseOptions(const std::vector<std::string>& args) {
    ParseResult result;
    Options& o = result.options;
    using Handler = std::function<bool(const std::string&)>;

    auto bitrate = [](std::int64_t& target) {
        return Handler([&target](const std::string& v) { return ParseBitrate(v, target); });
    };
    auto ranged = [](int& target, long long low, long long high) {
        return Handler([&target, low, high](const std::string& v) {
            return ParseRangedInt(v, low, high, target);
        });
    };
    auto text = [](std::string& target) {
        return Handler([&target](const std::string& v) {
            target = v;
            return true;
        });
    };
    auto tag = [&o](const char* name) {
        return Handler([&o, name](const std::string& v) {
            o.tags.emplace_back(name, v);
            return true;
        });
    };

    const std::map<std::string, Handler> withValue = {
        {"i", text(o.input)},
        {"f", text(o.format)},
        {"ab", bitrate(o.audioBitrate)},
        {"ar", ranged(o.sampleRate, 1000, 384000)},
        {"ac", ranged(o.channels, 1, 8)},
        {"vol", ranged(o.volume, 0, 65536)},
        {"acodec", text(o.audioCodec)},
        {"s", [&o](const std::string& v) { return ParseFrameSize(v, o.width, o.height); }},
        {"r",
         [&o](const std::string& v) {
             return ParseDouble(v, o.frameRate) && o.frameRate > 0.5 && o.frameRate <= 1000;
         }},
        {"aspect", [&o](const std::string& v) { return ParseAspect(v, o.displayAspect); }},
        {"b", bitrate(o.videoBitrate)},
        {"qscale",
         [&o](const std::string& v) {
             return ParseDouble(v, o.qscale) && o.qscale >= 0 && o.qscale <= 31;
         }},
        {"minrate", bitrate(o.minRate)},
        {"maxrate", bitrate(o.maxRate)},
        {"bufsize", bitrate(o.bufferSize)},
        {"pass", ranged(o.pass, 1, 2)},
        {"croptop", ranged(o.cropTop, 0, 16384)},
        {"cropbottom", ranged(o.cropBottom, 0, 16384)},
        {"cropleft", ranged(o.cropLeft, 0, 16384)},
        {"cropright", ranged(o.cropRight, 0, 16384)},
        {"padtop", ranged(o.padTop, 0, 16384)},
        {"padbottom", ranged(o.padBottom, 0, 16384)},
        {"padleft", ranged(o.padLeft, 0, 16384)},
        {"padright", ranged(o.padRight, 0, 16384)},
        {"vcodec", text(o.videoCodec)},
        {"level", ranged(o.level, 9, 62)},
        {"ss", [&o](const std::string& v) { return ParseTime(v, o.startSeconds); }},
        {"t",
         [&o](const std::string& v) {
             return ParseTime(v, o.durationSeconds) && o.durationSeconds > 0;
         }},
        {"title", tag("title")},
        {"author", tag("author")},
        {"comment", tag("comment")},
        {"album", tag("album")},
        {"track", tag("track")},
        {"year", tag("year")},
    };

    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            plain.push_back(arg);
            continue;
        }
        std::string name = arg.substr(1);
        if (name == "y") {
            o.overwrite = true;
            continue;
        }
        if (name == "keep-both") {
            o.keepBoth = true;
            continue;
        }
        if (name == "an") {
            o.noAudio = true;
            continue;
        }
        if (name == "vn") {
            o.noVideo = true;
            continue;
        }
        auto it = withValue.find(name);
        if (it == withValue.end()) {
            result.error = "Unrecognized option '" + arg + "'";
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = "Missing value for option '" + arg + "'";
            return result;
        }
        const std::string& value = args[++i];
        if (!it->second(value)) {
            result.error = "Invalid value '" + value + "' for option '" + arg + "'";
            return result;
        }
    }

    if (plain.empty()) {
        result.error = "At least one output file must be specified";
        return result;
    }
    if (plain.size() > 1) {
        result.error = "Unexpected argument '" + plain.front() + "'";
        return result;
    }
    o.output = plain.back();
    if (o.input.empty()) {
        result.error = "No input file given (use -i FILE)";
        return result;
    }
    if (o.noAudio && o.noVideo) {
        result.error = "Output file '" + o.output + "' would have neither audio nor video";
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace rendix
