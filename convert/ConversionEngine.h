#pragma once

#include "convert/EncoderProcess.h"
#include "convert/JobEvents.h"
#include "convert/JobRunner.h"
#include "model/JobItem.h"
#include "platform/ModuleDirectory.h"

#include <string>
#include <vector>

namespace velmont {

// Turns one job at a time into one run of the encoder: wraps sources the
// encoder cannot open in an AviSynth script of the job's own, builds the
// arguments and runs them. The encoder writes a temporary file that becomes
// the output only when complete; the engine never deletes an output path.
// Each running job has an engine of its own.
//
// Threads: RunJob on the thread that runs jobs; the *Job requests on any
// thread while RunJob runs (they only post a request).
class ConversionEngine : public IJobRunner {
  public:
    static constexpr const char* kEncoderName = "Rendix";

    // programDirectory holds the encoder; a trailing separator is added
    // when missing.
    explicit ConversionEngine(std::string programDirectory = GetModuleDirectory());
    ~ConversionEngine() override = default;
    ConversionEngine(const ConversionEngine&) = delete;
    ConversionEngine& operator=(const ConversionEngine&) = delete;

    // Runs a waiting job whose encoder values are resolved. Creates the
    // output folder first (a tree folder below it never through a link; a
    // job whose tree folder cannot be made fails without running);
    // afterwards removes the temporary file of an encoder that died without
    // removing it, and only then sends OnFinished. A job that is not
    // waiting is not run (NotStarted, no events).
    JobOutcome RunJob(const JobItem& job, IJobEvents& events) override;

    // Only post a request to the running job; safe from another thread.
    void StopJob() override;
    void PauseJob() override;
    void ResumeJob() override;

    // Kills the encoders of this program folder whose converter has ended
    // (a crash); never another window's or one a person started.
    void KillStrayEncoders() override;

    // The job as the encoder is given it: a source the encoder is not given
    // directly becomes the script at scriptPath. The output folder gets its
    // trailing separator.
    JobItem PrepareJob(const JobItem& job, const std::string& scriptPath) const;
    // The encoder's path followed by the job's arguments.
    std::vector<std::string> CommandFor(JobItem& job) const;

    const std::string& ProgramDirectory() const { return programDirectory_; }
    std::string EncoderPath() const;

  private:
    // Makes the job's output folder; the reason when it may not be used.
    std::string MakeOutputFolder(const JobItem& job) const;
    void CleanUpAfter(const JobItem& job, JobOutcome outcome) const;

    EncoderProcess process_;
    std::string programDirectory_;
};

} // namespace velmont
