#pragma once

#include "convert/EncoderProcess.h"
#include "convert/ListCells.h"
#include "convert/LogView.h"
#include "model/JobItem.h"
#include "platform/ModuleDirectory.h"

#include <string>

namespace velmont {

// Turns one job at a time into one run of the encoder: keeps its own copy of
// the job, wraps sources the encoder cannot open in an AviSynth script,
// builds the command line, runs it and removes an output that is empty or
// belongs to a stopped or failed run. The main window owns one engine; the
// conversion worker runs jobs through it while the user-interface thread
// posts pause, resume and stop requests.
class ConversionEngine {
  public:
    // Results of RunJob.
    static constexpr int kNotRun = -1;  // not waiting, or the encoder could not start
    static constexpr int kStopped = 0;  // stopped, or reading its output failed
    static constexpr int kFinished = 1; // the encoder ended by itself

    static constexpr const char* kEncoderName = "Rendix";

    // programDirectory holds the encoder and receives the script; a
    // trailing separator is added when missing.
    explicit ConversionEngine(std::string programDirectory = GetModuleDirectory());
    virtual ~ConversionEngine() = default;
    ConversionEngine(const ConversionEngine&) = delete;
    ConversionEngine& operator=(const ConversionEngine&) = delete;

    // Copies the job into the engine. A source whose extension the encoder
    // is not given directly is wrapped in the script, which then becomes
    // the copy's input; when the script cannot be written the copy keeps
    // its own input.
    void LoadJob(const JobItem& job);

    // A null view or list is ignored.
    void SetLogView(ILogView* logView);
    void SetProgressCell(IListCells* list, int row, int column);

    // Runs the loaded job (on the worker thread) and returns one of the
    // results above. Creates the output folder first; afterwards deletes an
    // output this run wrote that is empty or comes from a stopped or failed
    // run, but never the source itself.
    int RunJob();

    // Only post a request to the running job; safe from another thread.
    void StopJob();
    void PauseJob();
    void ResumeJob();

    // Kills every encoder process still running from this program folder.
    void KillStrayEncoders();

    // Fills the job's probe fields from its input file; false when it
    // cannot be read as media.
    bool ProbeMediaFile(JobItem& job) const;

    // The whole command line for the loaded job. Gives the copy's output
    // folder its trailing separator, as RunJob does.
    std::string BuildJobCommandLine();

    // The engine's copy of the job as loaded (and as changed by the run).
    const JobItem& Job() const { return job_; }
    const std::string& ProgramDirectory() const { return programDirectory_; }
    std::string EncoderPath() const;
    std::string ScriptPath() const;

  private:
    void WriteAviSynthScript();
    struct OutputFileState;
    void CleanUpOutput(const std::string& outputPath, const OutputFileState& before, int result);
    bool IsSourceFile(const std::string& path) const;
    bool RunFailed() const;

    JobItem job_;
    EncoderProcess process_;
    std::string programDirectory_;
    // The job's own input, kept when the script replaces it in job_.
    std::string sourcePath_;
};

} // namespace velmont
