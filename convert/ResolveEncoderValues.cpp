#include "convert/ResolveEncoderValues.h"

#include "model/Catalogue.h"

#include <cstddef>

namespace velmont {

namespace {

// The positions the audio page shows when a list holds -1 ("the codec's
// default"); a position outside its list is read the same way.
constexpr int kDefaultAudioBitratePosition = 6; // 128 kbit/s
constexpr int kDefaultAmrNbBitratePosition = 7; // 12.2 kbit/s
constexpr int kDefaultAmrWbBitratePosition = 8; // 23.85 kbit/s
constexpr int kDefaultSampleRatePosition = 4;   // 44100 Hz

// A video position outside its list (the video page stores -1 for a list
// without selection) falls back to the record's common default.
constexpr int kDefaultFrameRatePosition = 0;      // keep the source rate
constexpr int kDefaultVideoBitratePosition = 7;   // 768 kbit/s
constexpr int kDefaultVideoRateLimitPosition = 3; // 256 kbit/s

template <typename Table>
auto EntryOrDefault(const Table& table, int position, int defaultPosition) {
    if (position < 0 || static_cast<std::size_t>(position) >= table.size())
        position = defaultPosition;
    return table[static_cast<std::size_t>(position)];
}

void ResolveAudio(JobItem& job, const EncodingParams& params) {
    AudioValues& audio = job.audio;
    if (params.audioCodecIndex == kAudioCodecAmrNb) {
        audio.bitrate =
            static_cast<int>(EntryOrDefault(kAmrNbBitratesKbps, params.audioBitrateIndex,
                                            kDefaultAmrNbBitratePosition) *
                             1000.0);
        audio.sampleRate = kAmrNbSampleRateHz;
    } else if (params.audioCodecIndex == kAudioCodecAmrWb) {
        audio.bitrate =
            static_cast<int>(EntryOrDefault(kAmrWbBitratesKbps, params.audioBitrateIndex,
                                            kDefaultAmrWbBitratePosition) *
                             1000.0);
        audio.sampleRate = kAmrWbSampleRateHz;
    } else {
        audio.bitrate = EntryOrDefault(kAudioBitratesKbps, params.audioBitrateIndex,
                                       kDefaultAudioBitratePosition) *
                        1000;
        audio.sampleRate = params.audioSampleRateIndex == kSampleRateOriginalPosition
                               ? job.sourceSampleRate
                               : EntryOrDefault(kSampleRatesHz, params.audioSampleRateIndex,
                                                kDefaultSampleRatePosition);
    }
    audio.channels =
        params.audioChannels == kChannelsOriginal ? job.sourceChannels : params.audioChannels;
    audio.volume = params.audioVolume;
    audio.enabled = params.audioEnabled;
    // An id beyond the name table (hand-edited settings) is treated like -1.
    if (params.audioCodecIndex >= 0 && params.audioCodecIndex < kAudioCodecCount)
        audio.codec = AudioCodecName(params.audioCodecIndex);
}

void ResolveVideo(JobItem& job, const EncodingParams& params) {
    VideoValues& video = job.video;
    video.height = params.height;
    video.width = params.width;
    video.frameRate = EntryOrDefault(kFrameRates, params.frameRateIndex, kDefaultFrameRatePosition);
    video.aspect = params.aspectRatio;
    video.quantiserScale = static_cast<float>(params.quantizerScale);
    video.bitrate =
        EntryOrDefault(kVideoBitratesKbps, params.videoBitrateIndex, kDefaultVideoBitratePosition) *
        1000;
    video.minRate = EntryOrDefault(kVideoBitratesKbps, params.videoMinBitrateIndex,
                                   kDefaultVideoRateLimitPosition) *
                    1000;
    video.maxRate = EntryOrDefault(kVideoBitratesKbps, params.videoMaxBitrateIndex,
                                   kDefaultVideoRateLimitPosition) *
                    1000;
    // Every video format carries video; videoEnabled does not switch it off.
    video.enabled = true;
    video.vbrEnabled = params.vbrEnabled;
    video.pass = params.passes;
    video.cropTop = params.cropTop;
    video.cropBottom = params.cropBottom;
    video.cropLeft = params.cropLeft;
    video.cropRight = params.cropRight;
    video.padTop = params.paddingTop;
    video.padBottom = params.paddingBottom;
    video.padLeft = params.paddingLeft;
    video.padRight = params.paddingRight;
    if (params.videoCodecIndex >= 0 && params.videoCodecIndex < kVideoCodecCount)
        video.codec = VideoCodecName(params.videoCodecIndex);
}

} // namespace

void ResolveEncoderValues(JobItem& job, const EncodingParams& params) {
    if (job.hasAudio)
        ResolveAudio(job, params);
    else
        job.audio.enabled = false;

    if (IsVideoFormat(job.formatId)) {
        if (job.hasVideo)
            ResolveVideo(job, params);
    } else {
        job.video.enabled = false;
    }

    job.outputDirectory = params.outputDir;
}

void ResolveEncoderValues(JobItem& job, const EncodingSettings& settings) {
    if (const EncodingParams* params = settings.GetEncodingParams(job.formatId))
        ResolveEncoderValues(job, *params);
}

} // namespace velmont
