#include "convert/ConversionEngine.h"

#include "convert/AviSynthScript.h"
#include "convert/CommandLineBuilder.h"
#include "convert/KnownInputExtensions.h"
#include "convert/TerminateLostEncoders.h"
#include "platform/FoldersBelow.h"
#include "platform/PrivateFolder.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace velmont {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error);
}

} // namespace

// What the output path held at one moment, to tell whether a run wrote it.
struct ConversionEngine::OutputFileState {
    bool exists = false;
    bool regular = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};

    static OutputFileState Of(const std::string& path) {
        OutputFileState state;
        std::error_code error;
        if (path.empty())
            return state;
        const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
        state.exists = !error && std::filesystem::exists(status);
        if (!state.exists)
            return state;
        state.regular = std::filesystem::is_regular_file(status);
        if (state.regular) {
            state.size = std::filesystem::file_size(path, error);
            state.modified = std::filesystem::last_write_time(path, error);
        }
        return state;
    }

    bool operator==(const OutputFileState&) const = default;
};

ConversionEngine::ConversionEngine(std::string programDirectory)
    : programDirectory_(WithTrailingSeparator(std::move(programDirectory))) {}

std::string ConversionEngine::EncoderPath() const {
    return programDirectory_ + kEncoderName;
}

JobItem ConversionEngine::PrepareJob(const JobItem& job, const std::string& scriptPath) const {
    JobItem prepared = job;
    prepared.outputDirectory = WithTrailingSeparator(prepared.outputDirectory);
    if (prepared.inputPath.empty() || IsKnownInputExtension(PathExtension(prepared.inputPath)))
        return prepared;
    const std::string script =
        FormatAviSynthScript(prepared.inputPath, prepared.formatId, prepared.video.frameRate);
    // A script that cannot be written leaves the job with its own input.
    if (!scriptPath.empty() && WriteTextFile(scriptPath, script))
        prepared.inputPath = scriptPath;
    return prepared;
}

std::vector<std::string> ConversionEngine::CommandFor(JobItem& job) const {
    std::vector<std::string> command{EncoderPath()};
    const std::vector<std::string> arguments = BuildArguments(job);
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

JobOutcome ConversionEngine::RunJob(const JobItem& waiting, IJobEvents& events) {
    if (waiting.state != JobState::Waiting)
        return JobOutcome::NotStarted;
    // Each job's script lives in a folder of its own, gone with the job:
    // two jobs, or two windows, never share one.
    const PrivateFolder scriptFolder;
    const std::string scriptPath =
        scriptFolder.Path().empty() ? "" : scriptFolder.Path() + kAviSynthScriptName;
    JobItem job = PrepareJob(waiting, scriptPath);
    const std::vector<std::string> command = CommandFor(job);
    if (const std::string refused = MakeOutputFolder(job); !refused.empty()) {
        events.OnStarted();
        events.OnHeaderText(refused);
        events.OnFinished(JobOutcome::Failed, refused);
        return JobOutcome::Failed;
    }
    process_.SetDuration(job.duration);
    process_.SetClipMode(job.clip);

    const OutputFileState before = OutputFileState::Of(OutputPath(job));
    const JobOutcome outcome = process_.Run(command, events);
    CleanUpOutput(job, waiting.inputPath, before, outcome);
    events.OnFinished(outcome, process_.StatusText());
    return outcome;
}

std::string ConversionEngine::MakeOutputFolder(const JobItem& job) const {
    if (!job.outputDirectory.empty()) {
        std::error_code ignored; // the encoder reports an output it cannot open
        std::filesystem::create_directories(job.outputDirectory, ignored);
    }
    if (!job.keepTreeFolder || job.treeFolder.empty())
        return {};
    // Below the user's folder every step is made or entered by us, so a
    // link planted there cannot send the output elsewhere.
    const std::error_code error = MakeFoldersBelow(job.outputDirectory, job.treeFolder);
    if (!error)
        return {};
    return "Cannot create the folder " + OutputFolder(job) + ": " + error.message() + "\n";
}

void ConversionEngine::CleanUpOutput(const JobItem& job, const std::string& sourcePath,
                                     const OutputFileState& before, JobOutcome outcome) const {
    const std::string outputPath = OutputPath(job);
    if (outputPath.empty() || outcome == JobOutcome::NotStarted)
        return;
    const OutputFileState after = OutputFileState::Of(outputPath);
    // Only a plain file that this run wrote is removed: never a folder,
    // link or device, never a file the encoder did not get to, never the
    // source.
    if (!after.exists || !after.regular || after == before || SameFile(outputPath, sourcePath) ||
        SameFile(outputPath, job.inputPath))
        return;
    if (after.size == 0 || outcome != JobOutcome::Converted) {
        std::error_code ignored;
        std::filesystem::remove(outputPath, ignored);
    }
}

void ConversionEngine::StopJob() {
    process_.RequestStop();
}

void ConversionEngine::PauseJob() {
    process_.RequestPause();
}

void ConversionEngine::ResumeJob() {
    process_.RequestResume();
}

void ConversionEngine::KillStrayEncoders() {
    TerminateLostEncoders(EncoderPath());
}

} // namespace velmont
