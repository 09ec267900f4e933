// velmont-cli: the converter's core on a command line.
#include "cli/BatchDialog.h"
#include "cli/BatchJobs.h"
#include "cli/CommandLine.h"
#include "cli/EncodingOptions.h"
#include "cli/JsonView.h"
#include "cli/NameText.h"
#include "cli/OptionTable.h"
#include "cli/PlainView.h"
#include "cli/ProbeProgress.h"
#include "cli/SignalWatch.h"
#include "cli/StartWorker.h"
#include "cli/TerminalView.h"
#include "cli/UsageError.h"
#include "convert/CommandLineBuilder.h"
#include "convert/OutputPlan.h"
#include "model/Catalogue.h"
#include "model/SettingsFiles.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

using namespace velmont;
using namespace velmont::cli;

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;
// Ctrl-Z waits this long at most for the encoders to pause.
constexpr std::chrono::seconds kPauseLimit{5};

struct Settings {
    FormatId format = 0;
    std::string outputFolder;
    ExistingOutputPolicy policy = ExistingOutputPolicy::Refuse;
    int simultaneous = 1;
    EncodingSettings encoding; // the settings files, then the options
    ExactValues exact;
};

ExistingOutputPolicy PolicyOf(const CommandLine& line) {
    const int given =
        int(line.Has("overwrite")) + int(line.Has("keep-both")) + int(line.Has("skip"));
    if (given > 1)
        throw UsageError("--overwrite, --keep-both and --skip exclude each other");
    return line.Has("overwrite")   ? ExistingOutputPolicy::Overwrite
           : line.Has("keep-both") ? ExistingOutputPolicy::KeepBoth
           : line.Has("skip")      ? ExistingOutputPolicy::Skip
                                   : ExistingOutputPolicy::Refuse;
}

std::string OutputFolderOf(const CommandLine& line, const EncodingSettings& encoding) {
    std::string folder;
    if (const std::string* given = line.Value("output"))
        folder = *given;
    if (folder.empty())
        folder = LoadOutputDirectory();
    if (folder.empty())
        if (const EncodingParams* first = encoding.GetEncodingParams(0))
            folder = first->outputDir;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    folder = (error ? std::filesystem::path(folder) : absolute).lexically_normal().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Reads and checks everything before anything runs; throws UsageError.
Settings ReadSettings(const CommandLine& line) {
    Settings settings;
    const std::string* format = line.Value("format");
    if (!format)
        throw UsageError("--format is missing (see --list-formats)");
    settings.format = FormatByName(*format);
    LoadParamFile(settings.encoding);
    settings.exact = ApplyEncodingOptions(line, settings.format,
                                          *settings.encoding.GetEncodingParams(settings.format));
    settings.policy = PolicyOf(line);
    settings.outputFolder = OutputFolderOf(line, settings.encoding);
    // The window's saved choice, unless --jobs says otherwise.
    settings.simultaneous = settings.encoding.Batch().simultaneousConversions;
    if (const std::string* jobs = line.Value("jobs")) {
        settings.simultaneous = kAutomatic;
        if (*jobs != "auto") {
            try {
                std::size_t used = 0;
                settings.simultaneous = std::stoi(*jobs, &used);
                if (used != jobs->size() || settings.simultaneous < 1 || settings.simultaneous > 64)
                    throw std::invalid_argument("range");
            } catch (const std::exception&) {
                throw UsageError("--jobs: \"" + *jobs + "\" is not a number from 1 to 64 or auto");
            }
        }
    }
    if (line.inputs.empty())
        throw UsageError("no input files");
    return settings;
}

std::unique_ptr<ProgressView> MakeView(const CommandLine& line, const JobList& jobs,
                                       std::vector<int>& fileOfJob) {
    std::vector<BatchFile> files;
    for (const JobItem& job : jobs) {
        fileOfJob.push_back(job.state == JobState::Waiting ? int(files.size()) : -1);
        if (job.state == JobState::Waiting)
            files.push_back({job.inputPath, OutputPath(job)});
    }
    if (line.Has("json"))
        return std::make_unique<JsonView>(files);
    if (line.Has("quiet"))
        return std::make_unique<ProgressView>();
    if (::isatty(STDERR_FILENO))
        return std::make_unique<TerminalView>(files);
    return std::make_unique<PlainView>(files);
}

// Waits for the batch's end, handing Ctrl-C, Ctrl-Z and fg to the session.
// True when interrupted.
bool WaitForBatch(SignalWatch& signals, int endedFd, BatchSession& session, ProgressView& view) {
    bool interrupted = false;
    for (;;) {
        pollfd fds[2] = {{endedFd, POLLIN, 0}, {signals.Fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[0].revents)
            return interrupted;
        switch (signals.Read()) {
        case SignalWatch::Event::Interrupt:
            interrupted = true;
            session.Stop();
            break;
        case SignalWatch::Event::Suspend:
            // Stopping ourselves first would leave the encoders running.
            session.Pause();
            session.WaitUntilPaused(kPauseLimit);
            view.Paused(true);
            SignalWatch::StopSelf();
            break;
        case SignalWatch::Event::Continue:
            session.Resume();
            view.Paused(false);
            break;
        case SignalWatch::Event::None:
            break;
        }
    }
}

int ReportFailures(const JobList& jobs, const BatchDialog& dialog) {
    int failed = 0;
    for (std::size_t i = 0; i < jobs.Count(); ++i) {
        const BatchDialog::Result& result = dialog.ResultOf(i);
        if (!result.ran || result.outcome == JobOutcome::Converted ||
            result.outcome == JobOutcome::Stopped)
            continue;
        ++failed;
        std::fprintf(stderr, "velmont-cli: %s failed: %s\n",
                     PrintableText(jobs[i].inputPath).c_str(),
                     PrintableText(result.message).c_str());
    }
    return failed;
}

int RunBatch(const CommandLine& line, JobList& jobs, BatchSession& session) {
    SignalWatch signals; // before the worker's thread exists
    int ended[2];
    if (::pipe2(ended, O_CLOEXEC) != 0)
        return kExitFailed;
    std::vector<int> fileOfJob;
    std::unique_ptr<ProgressView> view = MakeView(line, jobs, fileOfJob);
    BatchDialog dialog(*view, fileOfJob, ended[1]);
    bool interrupted = false;
    {
        StartWorker(session, dialog);
        interrupted = WaitForBatch(signals, ended[0], session, *view);
        session.End();
    } // the session's threads have ended here
    ::close(ended[0]);
    ::close(ended[1]);
    if (interrupted)
        return kExitInterrupted;
    return ReportFailures(jobs, dialog) > 0 ? kExitFailed : 0;
}

void ListFormats() {
    for (FormatId id = 0; id < kFormatCount; ++id)
        std::printf("%-5s %s\n", GetFormatName(id).c_str(), IsVideoFormat(id) ? "video" : "audio");
}

int Run(const CommandLine& line) {
    if (line.Has("help")) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    if (line.Has("version")) {
        std::puts("velmont-cli " VELMONT_VERSION);
        return 0;
    }
    if (line.Has("man")) {
        std::fputs(ManPageSource().c_str(), stdout);
        return 0;
    }
    if (line.Has("list-formats")) {
        ListFormats();
        return 0;
    }
    const Settings settings = ReadSettings(line);
    JobList jobs = [&] {
        ProbeProgress progress(!line.Has("quiet") && !line.Has("json") && ::isatty(STDERR_FILENO));
        return BuildBatchJobs(line, settings.format, [&](std::size_t done, std::size_t total) {
            progress.Count(done, total);
        });
    }();
    BatchSession session(jobs, settings.encoding);
    const auto policy =
        [&](const std::vector<std::string>&) -> std::optional<ExistingOutputPolicy> {
        return settings.policy;
    };
    const auto exactValues = [&](JobItem& job) { ApplyExactValues(settings.exact, job); };
    if (session.Prepare({settings.outputFolder, settings.simultaneous, policy, exactValues}) ==
        Preparation::Refused) {
        std::fprintf(stderr, "velmont-cli: these outputs exist already (use --overwrite, "
                             "--keep-both or --skip):\n");
        for (const std::string& path : session.ExistingOutputs())
            std::fprintf(stderr, "  %s\n", PrintableText(path).c_str());
        return kExitUsage;
    }
    return RunBatch(line, jobs, session);
}

} // namespace

int main(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET); // the probe's diagnostics would clutter the terminal
    try {
        return Run(ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "velmont-cli: %s\nTry 'velmont-cli --help'.\n",
                     PrintableText(error.what()).c_str());
        return kExitUsage;
    }
}
