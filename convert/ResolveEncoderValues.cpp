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
    if (params.AudioCodec == kAudioCodecAmrNb) {
        audio.bitrate = static_cast<int>(
            EntryOrDefault(kAmrNbBitratesKbps, params.AudioBitrate, kDefaultAmrNbBitratePosition) *
            1000.0);
        audio.sampleRate = kAmrNbSampleRateHz;
    } else if (params.AudioCodec == kAudioCodecAmrWb) {
        audio.bitrate = static_cast<int>(
            EntryOrDefault(kAmrWbBitratesKbps, params.AudioBitrate, kDefaultAmrWbBitratePosition) *
            1000.0);
        audio.sampleRate = kAmrWbSampleRateHz;
    } else {
        audio.bitrate =
            EntryOrDefault(kAudioBitratesKbps, params.AudioBitrate, kDefaultAudioBitratePosition) *
            1000;
        audio.sampleRate =
            EntryOrDefault(kSampleRatesHz, params.AudioSampleRate, kDefaultSampleRatePosition);
    }
    audio.channels = params.AudioChannel;
    audio.volume = params.AudioVolume;
    audio.enabled = params.EnableAudio;
    // An id beyond the name table (hand-edited settings) is treated like -1.
    if (params.AudioCodec >= 0 && params.AudioCodec < kAudioCodecCount)
        audio.codec = AudioCodecName(params.AudioCodec);
}

void ResolveVideo(JobItem& job, const EncodingParams& params) {
    VideoValues& video = job.video;
    video.height = params.Height;
    video.width = params.Width;
    video.frameRate = EntryOrDefault(kFrameRates, params.FrameRate, kDefaultFrameRatePosition);
    video.aspect = params.AspectRatio;
    video.quantiserScale = static_cast<float>(params.Quantizer_Scale);
    video.bitrate =
        EntryOrDefault(kVideoBitratesKbps, params.VideoBitrate, kDefaultVideoBitratePosition) *
        1000;
    video.minRate =
        EntryOrDefault(kVideoBitratesKbps, params.VideoMinBitrate, kDefaultVideoRateLimitPosition) *
        1000;
    video.maxRate =
        EntryOrDefault(kVideoBitratesKbps, params.VideoMaxBitrate, kDefaultVideoRateLimitPosition) *
        1000;
    // Every video format carries video; EnableVideo does not switch it off.
    video.enabled = true;
    video.vbrEnabled = params.EnableVBR;
    video.pass = params.Pass;
    video.cropTop = params.CropTop;
    video.cropBottom = params.CropBottom;
    video.cropLeft = params.CropLeft;
    video.cropRight = params.CropRight;
    video.padTop = params.PaddingTop;
    video.padBottom = params.PaddingBottom;
    video.padLeft = params.PaddingLeft;
    video.padRight = params.PaddingRight;
    if (params.VideoCodec >= 0 && params.VideoCodec < kVideoCodecCount)
        video.codec = VideoCodecName(params.VideoCodec);
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

    job.outputDirectory = params.OutputDir;
}

void ResolveEncoderValues(JobItem& job, const EncodingSettings& settings) {
    if (const EncodingParams* params = settings.GetEncodingParams(job.formatId))
        ResolveEncoderValues(job, *params);
}

} // namespace velmont
