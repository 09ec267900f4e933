#include "convert/OutputPlan.h"

#include "convert/CommandLineBuilder.h"
#include "model/Catalogue.h"
#include "model/Utf8Cut.h"

#include <climits>
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

// "name (n)", the name shortened when the whole file name would pass the
// longest one a folder takes: decided here, not after the conversion.
std::string NumberedName(const JobItem& job, int n) {
    const std::string number = " (" + std::to_string(n) + ")";
    const std::size_t tail = number.size() + GetFormatExtension(job.formatId).size();
    return CutUtf8(job.outputName, NAME_MAX - std::min<std::size_t>(NAME_MAX, tail)) + number;
}

// The first "name (n)" whose identity is not taken (and, when asked, whose
// path is not on disk).
PlannedOutput FreeName(const JobItem& job, PlannedOutput planned,
                       const std::set<std::string>& taken, bool avoidDisk) {
    for (int n = 2;; ++n) {
        const std::string name = NumberedName(job, n);
        const std::string path = PathFor(job, name);
        if ((!avoidDisk || !OnDisk(path)) && taken.count(IdentityOf(path)) == 0) {
            planned.outputName = name;
            planned.path = path;
            return planned;
        }
    }
}

// Names inside the batch, in list order: an output that would be a source
// or an earlier row's output takes the next "name (n)" the batch leaves
// free. Files on disk play no part, so every run names the same way.
std::vector<PlannedOutput> NameInsideBatch(const JobList& jobs) {
    std::set<std::string> taken;
    for (const JobItem& job : jobs)
        if (job.state == JobState::Waiting)
            taken.insert(IdentityOf(job.inputPath));
    std::vector<PlannedOutput> outputs;
    for (std::size_t i = 0; i < jobs.Count(); ++i) {
        const JobItem& job = jobs[i];
        if (job.state != JobState::Waiting)
            continue;
        PlannedOutput planned{i, job.outputName, PathFor(job, job.outputName), false};
        if (taken.count(IdentityOf(planned.path)) > 0)
            planned = FreeName(job, planned, taken, false);
        taken.insert(IdentityOf(planned.path));
        outputs.push_back(planned);
    }
    return outputs;
}

} // namespace

OutputPlan::OutputPlan(const JobList& jobs, ExistingOutputPolicy policy)
    : outputs_(NameInsideBatch(jobs)), policy_(policy) {
    std::set<std::string> taken; // sources and every name of the batch
    for (const JobItem& job : jobs)
        if (job.state == JobState::Waiting)
            taken.insert(IdentityOf(job.inputPath));
    for (const PlannedOutput& planned : outputs_)
        taken.insert(IdentityOf(planned.path));
    for (PlannedOutput& planned : outputs_) {
        planned.exists = OnDisk(planned.path);
        if (planned.exists && policy == ExistingOutputPolicy::KeepBoth) {
            planned = FreeName(jobs[planned.jobIndex], planned, taken, true);
            taken.insert(IdentityOf(planned.path));
        }
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
        job.plannedOutputName = planned.outputName;
        if (planned.exists && policy_ == ExistingOutputPolicy::Skip)
            job.state = JobState::NotSelected;
    }
}

} // namespace velmont
