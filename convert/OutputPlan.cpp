#include "convert/OutputPlan.h"

#include "convert/CommandLineBuilder.h"
#include "model/Catalogue.h"

#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace velmont {

namespace fs = std::filesystem;

namespace {

// Paths name the same file when they reach the same inode; paths of files
// not yet written compare by their normal absolute form.
std::string IdentityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return "inode:" + std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return "path:" + (error ? fs::path(path) : absolute).lexically_normal().string();
}

bool OnDisk(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string PathFor(const JobItem& job, const std::string& name) {
    return OutputFolder(job) + name + GetFormatExtension(job.formatId);
}

} // namespace

OutputPlan::OutputPlan(const JobList& jobs, ExistingOutputPolicy policy) : policy_(policy) {
    std::set<std::string> taken; // sources, then each planned output
    for (const JobItem& job : jobs)
        if (job.state == JobState::Waiting)
            taken.insert(IdentityOf(job.inputPath));

    for (std::size_t i = 0; i < jobs.Count(); ++i) {
        const JobItem& job = jobs[i];
        if (job.state != JobState::Waiting)
            continue;
        PlannedOutput planned{i, job.outputName, PathFor(job, job.outputName), false};
        planned.exists = OnDisk(planned.path);
        const bool sharedInBatch = taken.count(IdentityOf(planned.path)) > 0;
        const bool renameExisting = planned.exists && policy == ExistingOutputPolicy::KeepBoth;
        if (sharedInBatch || renameExisting) {
            for (int n = 2;; ++n) {
                const std::string name = job.outputName + " (" + std::to_string(n) + ")";
                const std::string path = PathFor(job, name);
                if (!OnDisk(path) && taken.count(IdentityOf(path)) == 0) {
                    planned.outputName = name;
                    planned.path = path;
                    break;
                }
            }
            planned.exists = renameExisting;
        }
        taken.insert(IdentityOf(planned.path));
        outputs_.push_back(planned);
    }
}

std::vector<std::string> OutputPlan::ExistingPaths() const {
    std::vector<std::string> paths;
    if (policy_ == ExistingOutputPolicy::KeepBoth)
        return paths;
    for (const PlannedOutput& planned : outputs_)
        if (planned.exists)
            paths.push_back(planned.path);
    return paths;
}

bool OutputPlan::Refused() const {
    return policy_ == ExistingOutputPolicy::Refuse && !ExistingPaths().empty();
}

ExistingOutput OutputPlan::ExistingOutputOf(const PlannedOutput& planned, bool renamed) const {
    if (planned.exists && policy_ == ExistingOutputPolicy::Overwrite)
        return ExistingOutput::Replace;
    return renamed ? ExistingOutput::TakeFreeName : ExistingOutput::Refuse;
}

void OutputPlan::ApplyTo(JobList& jobs) const {
    for (const PlannedOutput& planned : outputs_) {
        JobItem& job = jobs[planned.jobIndex];
        job.existingOutput = ExistingOutputOf(planned, job.outputName != planned.outputName);
        job.outputName = planned.outputName;
        if (planned.exists && policy_ == ExistingOutputPolicy::Skip)
            job.state = JobState::NotSelected;
    }
}

} // namespace velmont
