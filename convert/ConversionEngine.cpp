#include "convert/ConversionEngine.h"

#include "convert/AviSynthScript.h"
#include "convert/CommandLineBuilder.h"
#include "convert/KnownInputExtensions.h"
#include "convert/ProbeMediaFile.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <thread>

namespace velmont {

namespace {

// A stopped encoder may still be closing its output.
constexpr std::chrono::milliseconds kStoppedOutputDelay{100};

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
        const std::filesystem::file_status status = std::filesystem::status(path, error);
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

std::string ConversionEngine::ScriptPath() const {
    return programDirectory_ + kAviSynthScriptName;
}

void ConversionEngine::LoadJob(const JobItem& job) {
    job_ = job;
    sourcePath_ = job.inputPath;
    if (job_.inputPath.empty())
        return;
    if (!IsKnownInputExtension(PathExtension(job_.inputPath)))
        WriteAviSynthScript();
}

void ConversionEngine::WriteAviSynthScript() {
    const std::string script =
        FormatAviSynthScript(job_.inputPath, job_.formatId, job_.video.frameRate);
    // A script that cannot be written leaves the job with its own input.
    if (WriteTextFile(ScriptPath(), script))
        job_.inputPath = ScriptPath();
}

void ConversionEngine::SetLogView(ILogView* logView) {
    if (logView)
        process_.SetLogView(logView);
}

void ConversionEngine::SetProgressCell(IListCells* list, int row, int column) {
    if (list)
        process_.SetProgressCell(list, row, column);
}

std::string ConversionEngine::BuildJobCommandLine() {
    return BuildCommandLine(EncoderPath(), BuildArguments(job_));
}

int ConversionEngine::RunJob() {
    if (job_.state != kJobWaiting)
        return kNotRun;
    process_.SetCommandLine(BuildJobCommandLine());
    if (!job_.outputDirectory.empty()) {
        std::error_code ignored; // the encoder reports an output it cannot open
        std::filesystem::create_directories(job_.outputDirectory, ignored);
    }
    process_.SetDuration(job_.duration);
    process_.SetClipMode(job_.clip);

    const std::string outputPath = OutputPath(job_);
    const OutputFileState before = OutputFileState::Of(outputPath);
    const int result = process_.Run();
    CleanUpOutput(outputPath, before, result);
    return result;
}

void ConversionEngine::CleanUpOutput(const std::string& outputPath, const OutputFileState& before,
                                     int result) {
    if (outputPath.empty())
        return;
    if (result == kStopped)
        std::this_thread::sleep_for(kStoppedOutputDelay);
    const OutputFileState after = OutputFileState::Of(outputPath);
    // Only a plain file that this run wrote is removed: never a folder or
    // device, never a file the encoder did not get to, never the source.
    if (!after.exists || !after.regular || after == before || IsSourceFile(outputPath))
        return;
    const bool failed = result == kFinished && RunFailed();
    if (after.size == 0 || result == kStopped || failed) {
        std::error_code ignored;
        std::filesystem::remove(outputPath, ignored);
    }
}

bool ConversionEngine::IsSourceFile(const std::string& path) const {
    std::error_code error;
    for (const std::string& source : {sourcePath_, job_.inputPath}) {
        if (!source.empty() && std::filesystem::equivalent(path, source, error))
            return true;
    }
    return false;
}

bool ConversionEngine::RunFailed() const {
    return !process_.RunSucceeded();
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
    TerminateProcessesByModuleName(EncoderPath());
}

bool ConversionEngine::ProbeMediaFile(JobItem& job) const {
    return velmont::ProbeMediaFile(job.inputPath, job);
}

} // namespace velmont
