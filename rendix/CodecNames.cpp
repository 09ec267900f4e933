#include "rendix/CodecNames.h"

#include <map>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace rendix {

bool ResolveAudioEncoder(const std::string& name, AudioEncoderChoice& choice) {
    static const std::map<std::string, std::string> aliases = {
        {"libfaac", "aac"}, {"vorbis", "libvorbis"}, {"mp3", "libmp3lame"}, {"opus", "libopus"}};
    if (name == "libamr_nb" || name == "amr_nb" || name == "libopencore_amrnb") {
        choice = {AudioEncoderKind::AmrNarrowBand, {}};
        return true;
    }
    if (name == "libamr_wb" || name == "amr_wb" || name == "libvo_amrwbenc") {
        choice = {AudioEncoderKind::AmrWideBand, {}};
        return true;
    }
    auto it = aliases.find(name);
    std::string library = it == aliases.end() ? name : it->second;
    const AVCodec* codec = avcodec_find_encoder_by_name(library.c_str());
    if (!codec || codec->type != AVMEDIA_TYPE_AUDIO)
        return false;
    choice = {AudioEncoderKind::Library, library};
    return true;
}

std::string ResolveVideoEncoder(const std::string& name) {
    static const std::map<std::string, std::string> aliases = {{"xvid", "mpeg4"},
                                                               {"hevc", "libx265"},
                                                               {"h265", "libx265"},
                                                               {"vp9", "libvpx-vp9"},
                                                               {"av1", "libsvtav1"}};
    auto it = aliases.find(name);
    std::string library = it == aliases.end() ? name : it->second;
    const AVCodec* codec = avcodec_find_encoder_by_name(library.c_str());
    if (!codec || codec->type != AVMEDIA_TYPE_VIDEO)
        return {};
    return library;
}

std::string ResolveMuxerName(const std::string& name) {
    static const std::map<std::string, std::string> aliases = {{"libnut", "nut"},
                                                               {"mkv", "matroska"}};
    auto it = aliases.find(name);
    std::string muxer = it == aliases.end() ? name : it->second;
    if (!av_guess_format(muxer.c_str(), nullptr, nullptr))
        return {};
    return muxer;
}

} // namespace rendix
