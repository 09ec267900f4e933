#include "convert/OutputPlan.h"

#include "MediaTestSupport.h"
#include "model/FormatId.h"

#include <gtest/gtest.h>

namespace velmont {
namespace {

using test::TempFolder;

struct PlanCase {
    const char* name;
    std::vector<std::string> onDisk;  // files made before planning
    std::vector<std::string> sources; // one waiting mp3 job each, output name = stem
    ExistingOutputPolicy policy;
    std::vector<std::string> expectedNames; // planned output names, in order
    std::vector<std::string> expectedExisting;
    std::vector<JobState> expectedStates;
};

std::string Stem(const std::string& file) {
    return file.substr(0, file.find_last_of('.'));
}

class OutputPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(OutputPlanTest, PlansNamesAndAppliesThePolicy) {
    const PlanCase& c = GetParam();
    TempFolder folder;
    ASSERT_TRUE(folder.Valid());
    for (const std::string& file : c.onDisk)
        ASSERT_TRUE(test::WriteWholeFile(folder.Path(file), "x"));
    JobList jobs;
    for (const std::string& source : c.sources) {
        JobItem job;
        job.inputPath = folder.Path(source);
        job.outputName = Stem(source);
        job.outputDirectory = folder.Directory();
        job.formatId = kFormatMp3;
        job.state = JobState::Waiting;
        jobs.Append(job);
    }
    const OutputPlan plan(jobs, c.policy);
    std::vector<std::string> existing;
    for (const std::string& path : plan.ExistingPaths())
        existing.push_back(path.substr(folder.Directory().size()));
    EXPECT_EQ(existing, c.expectedExisting);
    EXPECT_EQ(plan.Refused(),
              c.policy == ExistingOutputPolicy::Refuse && !c.expectedExisting.empty());

    plan.ApplyTo(jobs);
    for (std::size_t i = 0; i < jobs.Count(); ++i) {
        EXPECT_EQ(jobs[i].plannedOutputName, c.expectedNames[i]) << i;
        EXPECT_EQ(jobs[i].outputName, Stem(c.sources[i])) << i;
        EXPECT_EQ(jobs[i].state, c.expectedStates[i]) << i;
    }
}

constexpr auto W = JobState::Waiting;
constexpr auto N = JobState::NotSelected;
using P = ExistingOutputPolicy;

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputPlanTest,
    ::testing::Values(
        PlanCase{"FreeOutputsKeepTheirNames",
                 {"a.wav", "b.wav"},
                 {"a.wav", "b.wav"},
                 P::Refuse,
                 {"a", "b"},
                 {},
                 {W, W}},
        PlanCase{"SameNameTwiceInTheBatch",
                 {},
                 {"a.wav", "a.ogg", "a.flac"},
                 P::Refuse,
                 {"a", "a (2)", "a (3)"},
                 {},
                 {W, W, W}},
        PlanCase{
            "OutputOverASourceIsRenamed", {"a.mp3"}, {"a.mp3"}, P::Overwrite, {"a (2)"}, {}, {W}},
        // A rerun names as the first run did, then the policy decides.
        PlanCase{"RerunSkipsWhatTheFirstRunWrote",
                 {"a.wav", "a.flac", "a.mp3", "a (2).mp3"},
                 {"a.wav", "a.flac"},
                 P::Skip,
                 {"a", "a (2)"},
                 {"a.mp3", "a (2).mp3"},
                 {N, N}},
        PlanCase{"RerunOverwritesWhatTheFirstRunWrote",
                 {"a.mp3", "a (2).mp3"},
                 {"a.mp3"},
                 P::Overwrite,
                 {"a (2)"},
                 {"a (2).mp3"},
                 {W}},
        PlanCase{"ExistingOutputRefused",
                 {"a.wav", "a.mp3"},
                 {"a.wav", "b.wav"},
                 P::Refuse,
                 {"a", "b"},
                 {"a.mp3"},
                 {W, W}},
        PlanCase{"ExistingOutputOverwritten",
                 {"a.wav", "a.mp3"},
                 {"a.wav"},
                 P::Overwrite,
                 {"a"},
                 {"a.mp3"},
                 {W}},
        PlanCase{"ExistingOutputKeptBeside",
                 {"a.wav", "a.mp3", "a (2).mp3"},
                 {"a.wav", "a.ogg"},
                 P::KeepBoth,
                 {"a (3)", "a (4)"},
                 {},
                 {W, W}},
        PlanCase{"ExistingOutputSkipped",
                 {"a.wav", "b.wav", "b.mp3"},
                 {"a.wav", "b.wav"},
                 P::Skip,
                 {"a", "b"},
                 {"b.mp3"},
                 {W, N}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmont
