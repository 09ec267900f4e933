#include "rendix/JobPlan.h"

#include "rendix/AvsScript.h"
#include "rendix/OutputChecks.h"

#include <algorithm>
#include <cctype>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace rendix {

namespace {

bool Fail(std::string& error, const std::string& message) {
    error = message;
    return false;
}

// How a refusal names the output's kind: by the name's extension, as the
// user chose it ("m4a", not the "mp4" container that writes it), else by the
// container.
std::string OutputKind(const std::string& output, const std::string& muxer) {
    const std::size_t slash = output.rfind('/');
    const std::size_t dot = output.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return muxer;
    std::string extension = output.substr(dot + 1);
    const bool plain = !extension.empty() && extension.size() <= 5 &&
                       std::all_of(extension.begin(), extension.end(),
                                   [](unsigned char c) { return std::isalnum(c); });
    if (!plain)
        return muxer;
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

bool MakeJobPlan(const Options& options, InputMedia& input, JobPlan& p, std::string& error) {
    p.inputPath = options.input;
    p.inputLabel = options.input;
    if (HasAvsExtension(options.input)) {
        AvsParseResult script = ReadAvsScript(options.input);
        if (!script.ok)
            return Fail(error, script.error);
        p.inputPath = script.script.sourcePath;
        p.scriptRate = script.script.frameRate;
        p.inputLabel = p.inputPath;
    }
    if (IsSameFile(options.input, options.output) || IsSameFile(p.inputPath, options.output))
        return Fail(error, "Output file '" + options.output +
                               "' is the same file as the input; refusing to "
                               "overwrite the source");
    if (IsFolder(options.output))
        return Fail(error, "Output '" + options.output + "' is a folder");
    if (FileExists(options.output) && !options.overwrite && !options.keepBoth)
        return Fail(error, "File '" + options.output + "' already exists (use -y to overwrite)");

    // Names first, so a typo is reported before any file is opened.
    if (!options.format.empty()) {
        p.muxer = ResolveMuxerName(options.format);
        if (p.muxer.empty())
            return Fail(error, "Unknown container format '" + options.format + "'");
    } else {
        const AVOutputFormat* guessed = av_guess_format(nullptr, options.output.c_str(), nullptr);
        if (!guessed)
            return Fail(error, "Cannot tell the container from the name '" + options.output +
                                   "' (use -f NAME)");
        p.muxer = guessed->name;
    }
    const AVOutputFormat* format = av_guess_format(p.muxer.c_str(), nullptr, nullptr);
    // Such muxers open files of their own, by names no check here sees.
    if (format->flags & AVFMT_NOFILE)
        return Fail(error, "The '" + p.muxer + "' container does not write a single file");
    if (!options.audioCodec.empty() && !ResolveAudioEncoder(options.audioCodec, p.audioEncoder))
        return Fail(error, "Unknown audio codec '" + options.audioCodec + "'");
    if (!options.videoCodec.empty()) {
        p.videoEncoder = ResolveVideoEncoder(options.videoCodec);
        if (p.videoEncoder.empty())
            return Fail(error, "Unknown video codec '" + options.videoCodec + "'");
    }

    if (!input.Open(p.inputPath, error))
        return false;
    const std::string kind = OutputKind(options.output, p.muxer);

    p.audio =
        !options.noAudio && input.audioStream() >= 0 && format->audio_codec != AV_CODEC_ID_NONE;
    // Audio containers whose "video" is a cover picture get no video.
    const bool pictureOnly =
        format->video_codec == AV_CODEC_ID_PNG || format->video_codec == AV_CODEC_ID_MJPEG;
    p.video = !options.noVideo && input.videoStream() >= 0 &&
              format->video_codec != AV_CODEC_ID_NONE &&
              (!pictureOnly || !options.videoCodec.empty());
    if (!p.audio && !p.video)
        return Fail(error,
                    "Nothing to write: the input has no " +
                        std::string(options.noVideo || format->video_codec == AV_CODEC_ID_NONE
                                        ? "audio"
                                        : "video") +
                        " stream for the '" + kind + "' output");

    if (p.audio) {
        if (options.audioCodec.empty()) {
            AVCodecID id = format->audio_codec;
            if (id == AV_CODEC_ID_AMR_NB)
                p.audioEncoder = {AudioEncoderKind::AmrNarrowBand, {}};
            else if (id == AV_CODEC_ID_AMR_WB)
                p.audioEncoder = {AudioEncoderKind::AmrWideBand, {}};
            else {
                const AVCodec* c = avcodec_find_encoder(id);
                if (!c)
                    return Fail(error, "No audio encoder for the '" + p.muxer + "' container");
                p.audioEncoder = {AudioEncoderKind::Library, c->name};
            }
        }
        AVCodecID id = p.audioEncoder.kind == AudioEncoderKind::AmrNarrowBand ? AV_CODEC_ID_AMR_NB
                       : p.audioEncoder.kind == AudioEncoderKind::AmrWideBand
                           ? AV_CODEC_ID_AMR_WB
                           : avcodec_find_encoder_by_name(p.audioEncoder.libraryName.c_str())->id;
        if (avformat_query_codec(format, id, FF_COMPLIANCE_NORMAL) == 0)
            return Fail(error, "The '" + kind + "' container cannot hold " + avcodec_get_name(id) +
                                   " audio");
    }
    if (p.video) {
        if (p.videoEncoder.empty()) {
            const AVCodec* c = avcodec_find_encoder(format->video_codec);
            if (!c)
                return Fail(error, "No video encoder for the '" + p.muxer + "' container");
            p.videoEncoder = c->name;
        }
        AVCodecID id = avcodec_find_encoder_by_name(p.videoEncoder.c_str())->id;
        // 3GP knows H.263+ only under the H.263 name; its streams are H.263
        // version 2, which every H.263 decoder of such files reads.
        if (id == AV_CODEC_ID_H263P &&
            avformat_query_codec(format, id, FF_COMPLIANCE_NORMAL) == 0 &&
            avformat_query_codec(format, AV_CODEC_ID_H263, FF_COMPLIANCE_NORMAL) == 1) {
            p.h263pAsH263 = true;
            id = AV_CODEC_ID_H263;
        }
        if (avformat_query_codec(format, id, FF_COMPLIANCE_NORMAL) == 0)
            return Fail(error, "The '" + kind + "' container cannot hold " + avcodec_get_name(id) +
                                   " video");
    }
    p.twoPass = p.video && options.pass == 2;

    double length = input.durationSeconds();
    if (length >= 0) {
        p.expectedSeconds = std::max(0.0, length - options.startSeconds);
        if (options.durationSeconds > 0)
            p.expectedSeconds = std::min(p.expectedSeconds, options.durationSeconds);
    } else if (options.durationSeconds > 0) {
        p.expectedSeconds = options.durationSeconds;
    }
    return true;
}

} // namespace rendix
