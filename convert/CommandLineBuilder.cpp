#include "convert/CommandLineBuilder.h"

#include "convert/FormatText.h"
#include "model/Catalogue.h"
#include "model/Utf8Cut.h"
#include "platform/ModuleDirectory.h"

#include <utility>

namespace velmont {

namespace {

using Arguments = std::vector<std::string>;

void AppendNumberOption(Arguments& arguments, const char* option, int value) {
    arguments.push_back(option);
    arguments.push_back(FormatText("%d", value));
}

void AppendTextOption(Arguments& arguments, const char* option, const std::string& value) {
    if (value.empty())
        return;
    arguments.push_back(option);
    arguments.push_back(value);
}

// Far beyond what any container keeps (the encoder cuts tags to what the
// container holds and says so), yet far below the system's limit on one
// argument, so a pasted novel cannot keep the encoder from starting.
constexpr std::size_t kMaxTagBytes = 4096;

void AppendTagOption(Arguments& arguments, const char* option, const std::string& value) {
    AppendTextOption(arguments, option, CutUtf8(value, kMaxTagBytes));
}

bool NeedsQuotes(const std::string& argument) {
    return argument.empty() || argument.find_first_of(" \t\"'\\$`") != std::string::npos;
}

} // namespace

Arguments BuildAudioOptions(const JobItem& job) {
    if (!job.hasAudio)
        return {};
    const AudioValues& audio = job.audio;
    if (!audio.enabled)
        return {"-an"};
    Arguments options;
    AppendNumberOption(options, "-ab", audio.bitrate);
    AppendNumberOption(options, "-ar", audio.sampleRate);
    AppendNumberOption(options, "-ac", audio.channels);
    AppendNumberOption(options, "-vol", audio.volume);
    AppendTextOption(options, "-acodec", audio.codec);
    return options;
}

Arguments BuildVideoOptions(const JobItem& job) {
    if (!job.hasVideo)
        return {};
    const VideoValues& video = job.video;
    if (!video.enabled)
        return {"-vn"};
    Arguments options;
    if (video.height > 0 && video.width > 0)
        options.insert(options.end(), {"-s", FormatText("%d*%d", video.width, video.height)});
    if (video.frameRate > 0)
        options.insert(options.end(), {"-r", FormatText("%3.2f", video.frameRate)});
    if (video.aspect == 0)
        options.insert(options.end(), {"-aspect", "4:3"});
    else if (video.aspect == 1)
        options.insert(options.end(), {"-aspect", "16:9"});
    if (video.bitrate > 0)
        AppendNumberOption(options, "-b", video.bitrate);
    if (video.quantiserScale > 0)
        options.insert(options.end(),
                       {"-qscale", FormatText("%3.2f", static_cast<double>(video.quantiserScale))});
    if (video.vbrEnabled) {
        AppendNumberOption(options, "-minrate", video.minRate);
        AppendNumberOption(options, "-maxrate", video.maxRate);
    }
    if (video.bufferSize > 0)
        AppendNumberOption(options, "-bufsize", video.bufferSize);
    if (video.pass > 0 && video.pass < 3)
        AppendNumberOption(options, "-pass", video.pass);
    const std::pair<const char*, int> cropAndPad[] = {
        {"-croptop", video.cropTop},   {"-cropbottom", video.cropBottom},
        {"-cropleft", video.cropLeft}, {"-cropright", video.cropRight},
        {"-padtop", video.padTop},     {"-padbottom", video.padBottom},
        {"-padleft", video.padLeft},   {"-padright", video.padRight}};
    for (const auto& [option, value] : cropAndPad) {
        if (value > 0)
            AppendNumberOption(options, option, value);
    }
    AppendTextOption(options, "-vcodec", video.codec);
    if (video.codec == "libx264")
        options.insert(options.end(), {"-level", "21"});
    return options;
}

std::string OutputFolder(const JobItem& job) {
    std::string folder = job.outputDirectory;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    if (job.keepTreeFolder && !job.treeFolder.empty())
        folder += job.treeFolder + '/';
    return folder;
}

std::string OutputPath(const JobItem& job) {
    const std::string extension = GetFormatExtension(job.formatId);
    if (extension.empty())
        return {};
    return OutputFolder(job) + job.outputName + extension;
}

Arguments BuildArguments(JobItem& job) {
    if (job.inputPath.empty())
        return {};
    Arguments arguments{"-i", job.inputPath};
    if (job.existingOutput == ExistingOutput::Replace)
        arguments.push_back("-y");
    else if (job.existingOutput == ExistingOutput::TakeFreeName)
        arguments.push_back("-keep-both");
    const std::string muxer = GetMuxerName(job.formatId);
    if (!muxer.empty())
        arguments.insert(arguments.end(), {"-f", muxer});
    const Arguments audio = BuildAudioOptions(job);
    arguments.insert(arguments.end(), audio.begin(), audio.end());
    if (job.startOffset > 0)
        AppendNumberOption(arguments, "-ss", job.startOffset);
    if (job.clip && job.duration > 0)
        AppendNumberOption(arguments, "-t", job.duration);
    AppendTagOption(arguments, "-title", job.title);
    AppendTagOption(arguments, "-author", job.author);
    AppendTagOption(arguments, "-comment", job.comment);
    AppendTagOption(arguments, "-album", job.album);
    if (job.track > 0)
        AppendNumberOption(arguments, "-track", job.track);
    if (job.year > 0)
        AppendNumberOption(arguments, "-year", job.year);
    const Arguments video = BuildVideoOptions(job);
    arguments.insert(arguments.end(), video.begin(), video.end());
    job.outputDirectory = WithTrailingSeparator(job.outputDirectory);
    arguments.push_back(OutputPath(job));
    return arguments;
}

std::string FormatCommandLine(const Arguments& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        if (!NeedsQuotes(argument)) {
            line += argument;
            continue;
        }
        line += '\'';
        for (const char c : argument)
            line += c == '\'' ? std::string("'\\''") : std::string(1, c);
        line += '\'';
    }
    return line;
}

} // namespace velmont
