#include "rendix/FilterText.h"

#include <cstdio>
#include <string>
#include <vector>

namespace rendix {

namespace {

std::string Seconds(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) {
        if (p.empty())
            continue;
        if (!out.empty())
            out += ',';
        out += p;
    }
    return out;
}

} // namespace

std::string TrimText(bool audio, double start, double duration) {
    if (start <= 0 && duration <= 0)
        return {};
    std::string trim = audio ? "atrim=" : "trim=";
    std::string args;
    if (start > 0)
        args += "start=" + Seconds(start);
    if (duration > 0)
        args += std::string(args.empty() ? "" : ":") + "end=" + Seconds(start + duration);
    std::string text = trim + args;
    if (start > 0)
        text += std::string(audio ? ",asetpts=" : ",setpts=") + "PTS-" + Seconds(start) + "/TB";
    return text;
}

std::string AudioFilterText(const AudioFilterRequest& r) {
    std::vector<std::string> parts;
    parts.push_back(TrimText(true, r.startSeconds, r.durationSeconds));
    if (r.volume != 256)
        parts.push_back("volume=" + Seconds(r.volume / 256.0));
    std::string format;
    if (!r.sampleFormats.empty())
        format += "sample_fmts=" + r.sampleFormats;
    if (r.sampleRate > 0)
        format +=
            std::string(format.empty() ? "" : ":") + "sample_rates=" + std::to_string(r.sampleRate);
    if (!r.channelLayout.empty())
        format += std::string(format.empty() ? "" : ":") + "channel_layouts=" + r.channelLayout;
    if (!format.empty())
        parts.push_back("aformat=" + format);
    return Join(parts);
}

std::string VideoFilterText(const VideoFilterRequest& r) {
    const Geometry& g = r.geometry;
    std::vector<std::string> parts;
    parts.push_back(TrimText(false, r.startSeconds, r.durationSeconds));
    parts.push_back(r.turn);
    if (g.needsCrop())
        parts.push_back("crop=" + std::to_string(g.cropWidth) + ":" + std::to_string(g.cropHeight) +
                        ":" + std::to_string(g.cropX) + ":" + std::to_string(g.cropY));
    int croppedW = g.needsCrop() ? g.cropWidth : r.sourceWidth;
    int croppedH = g.needsCrop() ? g.cropHeight : r.sourceHeight;
    if (g.scaledWidth != croppedW || g.scaledHeight != croppedH)
        parts.push_back("scale=" + std::to_string(g.scaledWidth) + ":" +
                        std::to_string(g.scaledHeight) + ":flags=bicubic");
    if (g.width != g.scaledWidth || g.height != g.scaledHeight)
        parts.push_back("pad=" + std::to_string(g.width) + ":" + std::to_string(g.height) + ":" +
                        std::to_string(g.padX) + ":" + std::to_string(g.padY) + ":black");
    if (!r.pixelFormats.empty())
        parts.push_back("format=pix_fmts=" + r.pixelFormats);
    if (r.rateNum > 0)
        parts.push_back("fps=fps=" + std::to_string(r.rateNum) + "/" + std::to_string(r.rateDen));
    if (r.aspectNum > 0)
        parts.push_back("setdar=dar=" + std::to_string(r.aspectNum) + "/" +
                        std::to_string(r.aspectDen));
    return Join(parts);
}

} // namespace rendix
