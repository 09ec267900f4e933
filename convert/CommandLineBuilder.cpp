#include "convert/CommandLineBuilder.h"

#include "convert/ArgumentQuoting.h"
#include "convert/FormatText.h"
#include "model/Catalogue.h"
#include "platform/ModuleDirectory.h"

#include <utility>

namespace velmont {

namespace {

void AppendNumberOption(std::string& text, const char* option, int value) {
    text += option;
    text += FormatText("%d", value);
}

void AppendTextOption(std::string& text, const char* option, const std::string& value) {
    if (value.empty())
        return;
    text += option;
    text += QuoteArgument(value);
}

} // namespace

std::string BuildAudioOptions(const JobItem& job) {
    if (!job.hasAudio)
        return {};
    const AudioValues& audio = job.audio;
    if (!audio.enabled)
        return " -an";
    std::string options;
    AppendNumberOption(options, " -ab ", audio.bitrate);
    AppendNumberOption(options, " -ar ", audio.sampleRate);
    AppendNumberOption(options, " -ac ", audio.channels);
    AppendNumberOption(options, " -vol ", audio.volume);
    AppendTextOption(options, " -acodec ", audio.codec);
    return options;
}

std::string BuildVideoOptions(const JobItem& job) {
    if (!job.hasVideo)
        return {};
    const VideoValues& video = job.video;
    if (!video.enabled)
        return " -vn";
    std::string options;
    if (video.height > 0 && video.width > 0)
        options += FormatText(" -s %d*%d", video.width, video.height);
    if (video.frameRate > 0)
        options += FormatText(" -r %3.2f", video.frameRate);
    if (video.aspect == 0)
        options += " -aspect 4:3";
    else if (video.aspect == 1)
        options += " -aspect 16:9";
    if (video.bitrate > 0)
        AppendNumberOption(options, " -b ", video.bitrate);
    if (video.quantiserScale > 0)
        options += FormatText(" -qscale %3.2f", static_cast<double>(video.quantiserScale));
    if (video.vbrEnabled)
        options += FormatText(" -minrate %d -maxrate %d", video.minRate, video.maxRate);
    if (video.bufferSize > 0)
        AppendNumberOption(options, " -bufsize ", video.bufferSize);
    if (video.pass > 0 && video.pass < 3)
        AppendNumberOption(options, " -pass ", video.pass);
    const std::pair<const char*, int> cropAndPad[] = {
        {" -croptop ", video.cropTop},   {" -cropbottom ", video.cropBottom},
        {" -cropleft ", video.cropLeft}, {" -cropright ", video.cropRight},
        {" -padtop ", video.padTop},     {" -padbottom ", video.padBottom},
        {" -padleft ", video.padLeft},   {" -padright ", video.padRight}};
    for (const auto& [option, value] : cropAndPad) {
        if (value > 0)
            AppendNumberOption(options, option, value);
    }
    AppendTextOption(options, " -vcodec ", video.codec);
    if (video.codec == "libx264")
        options += " -level 21";
    return options;
}

std::string OutputPath(const JobItem& job) {
    const std::string extension = GetFormatExtension(job.formatId);
    if (extension.empty())
        return {};
    return job.outputDirectory + job.outputName + extension;
}

std::string BuildArguments(JobItem& job) {
    if (job.inputPath.empty())
        return {};
    std::string arguments = "-i " + QuoteArgument(job.inputPath) + " -y";
    const std::string muxer = GetMuxerName(job.formatId);
    if (!muxer.empty())
        arguments += " -f " + muxer;
    arguments += BuildAudioOptions(job);
    if (job.startOffset > 0)
        AppendNumberOption(arguments, " -ss ", job.startOffset);
    if (job.clip && job.duration > 0)
        AppendNumberOption(arguments, " -t ", job.duration);
    AppendTextOption(arguments, " -title ", job.title);
    AppendTextOption(arguments, " -author ", job.author);
    AppendTextOption(arguments, " -comment ", job.comment);
    AppendTextOption(arguments, " -album ", job.album);
    if (job.track > 0)
        AppendNumberOption(arguments, " -track ", job.track);
    if (job.year > 0)
        AppendNumberOption(arguments, " -year ", job.year);
    arguments += BuildVideoOptions(job);
    job.outputDirectory = WithTrailingSeparator(job.outputDirectory);
    arguments += " " + QuoteArgument(OutputPath(job));
    return arguments;
}

std::string BuildCommandLine(const std::string& encoderPath, const std::string& arguments) {
    return QuoteArgument(encoderPath) + " " + arguments;
}

} // namespace velmont
