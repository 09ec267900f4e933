#pragma once

#include "model/JobItem.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velmont {

// What to do with a planned output that is already on disk.
enum class ExistingOutputPolicy {
    Refuse,    // run nothing; the caller names the existing files
    Overwrite, // replace them
    KeepBoth,  // write beside them under a free name "name (2)"
    Skip,      // leave those jobs out
};

struct PlannedOutput {
    std::size_t jobIndex = 0;
    std::string outputName; // the job's output name, renamed when it had to be
    std::string path;       // output folder + outputName + extension
    bool exists = false;    // a file is already at path (before KeepBoth renamed it)
};

// The outputs a batch will write, one per waiting job, in list order.
// Two jobs never write the same file and no job writes over a source of the
// batch: such an output gets the first name "name (2)", "name (3)", ... the
// batch leaves free, whatever is on disk, so a rerun names its outputs as
// the first run did (shortened to fit the longest file name a folder
// takes). The policy then applies to those names; KeepBoth moves an existing
// one to a name free on disk too. Used by the window and the command-line
// program alike; pure logic plus stat().
class OutputPlan {
  public:
    // Waiting jobs need their output folder, name and format resolved.
    OutputPlan(const JobList& jobs, ExistingOutputPolicy policy);

    const std::vector<PlannedOutput>& Outputs() const { return outputs_; }
    // Planned paths already on disk that the policy leaves in the way
    // (Refuse) or replaces (Overwrite) or skips (Skip).
    std::vector<std::string> ExistingPaths() const;
    // Refuse with existing outputs: nothing may run.
    bool Refused() const;

    // Writes the planned output names into the jobs (their own output names
    // stay), and what their encoder does with a file found at the path when
    // it puts the output in place: replace only what the user chose to
    // overwrite, take the next free name for renamed outputs, else fail.
    // Under Skip the jobs whose output exists become NotSelected.
    void ApplyTo(JobList& jobs) const;

  private:
    ExistingOutput ExistingOutputOf(const PlannedOutput& planned, bool renamed) const;

    std::vector<PlannedOutput> outputs_;
    ExistingOutputPolicy policy_;
};

} // namespace velmont
