#include "cli/BatchJobs.h"

#include "cli/UsageError.h"
#include "convert/ProbeMediaFile.h"
#include "model/MediaTree.h"

#include <filesystem>

namespace velmont::cli {

namespace {

namespace fs = std::filesystem;

std::string WithoutExtension(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

int NumberTag(const CommandLine& line, const char* name, int current) {
    const std::string* value = line.Value(name);
    if (!value)
        return current;
    try {
        std::size_t used = 0;
        const int number = std::stoi(*value, &used);
        if (used == value->size() && number >= 0)
            return number;
    } catch (const std::exception&) {
    }
    throw UsageError(std::string("--") + name + ": \"" + *value + "\" is not a whole number");
}

void ApplyTags(const CommandLine& line, JobItem& job) {
    const std::pair<const char*, std::string*> texts[] = {{"title", &job.title},
                                                          {"author", &job.author},
                                                          {"album", &job.album},
                                                          {"comment", &job.comment}};
    for (const auto& [name, field] : texts)
        if (const std::string* value = line.Value(name))
            *field = *value;
    job.track = NumberTag(line, "track", job.track);
    job.year = NumberTag(line, "year", job.year);
}

// Refused as the window refuses them: an empty name, or one that is only
// an extension, would write a hidden ".mp3"; a folder goes in --output.
void CheckOutputName(const std::string& name) {
    if (name.empty() || name.front() == '.')
        throw UsageError("--output-name: \"" + name +
                         "\" is no file name (empty, or starting with a dot)");
    if (name.find('/') != std::string::npos)
        throw UsageError("--output-name: \"" + name + "\" names a folder; use --output for it");
}

std::vector<MediaInput> InputFiles(const CommandLine& line) {
    for (const std::string& input : line.inputs) {
        std::error_code error;
        if (!fs::exists(input, error))
            throw UsageError("no such file or folder: " + input);
    }
    std::vector<MediaInput> files = ExpandMediaInputs(line.inputs, line.Has("recursive"));
    if (files.empty())
        throw UsageError("no media files to convert");
    if (files.size() > 1 && line.Has("output-name"))
        throw UsageError("--output-name: only for a single input file");
    if (const std::string* name = line.Value("output-name"))
        CheckOutputName(*name);
    return files;
}

} // namespace

JobList BuildBatchJobs(const CommandLine& line, FormatId format) {
    JobList jobs;
    for (const MediaInput& file : InputFiles(line)) {
        JobItem job;
        job.inputPath = file.path;
        job.treeFolder = file.treeFolder;
        job.keepTreeFolder = true;
        job.outputName = WithoutExtension(job.inputPath);
        if (const std::string* name = line.Value("output-name"))
            job.outputName = *name;
        job.formatId = format;
        ApplyTags(line, job); // checks the tag options before anything runs
        jobs.Append(job);
    }
    return jobs;
}

void ProbeBatchJob(const CommandLine& line, JobItem& job) {
    const std::string outputName = job.outputName; // planned already
    ProbeMediaFile(job.inputPath, job);
    job.outputName = outputName;
    ApplyTags(line, job);
}

} // namespace velmont::cli
