#include "convert/ConversionEngine.h"

#include "convert/AviSynthScript.h"
#include "convert/CommandLineBuilder.h"
#include "convert/KnownInputExtensions.h"
#include "convert/TerminateLostEncoders.h"
#include "platform/FoldersBelow.h"
#include "platform/PrivateFolder.h"
#include "platform/TempOutputFiles.h"

#include <filesystem>
#include <system_error>

namespace velmont {

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

    const JobOutcome outcome = process_.Run(command, events);
    CleanUpAfter(job, outcome);
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

void ConversionEngine::CleanUpAfter(const JobItem& job, JobOutcome outcome) const {
    // The encoder removes its own temporary file, and the output path is
    // never touched here: by now it may hold another program's file. An
    // encoder that was killed could not clean up; its file is unlocked now.
    if (outcome != JobOutcome::Converted && outcome != JobOutcome::NotStarted &&
        !job.outputDirectory.empty())
        SweepTempOutputs(OutputFolder(job));
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
