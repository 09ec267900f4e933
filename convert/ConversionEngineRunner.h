#pragma once

#include "convert/ConversionEngine.h"
#include "convert/JobRunner.h"

namespace velmont {

// Runs the worker's jobs through the main window's ConversionEngine.
class ConversionEngineRunner : public IJobRunner {
  public:
    explicit ConversionEngineRunner(ConversionEngine& engine) : engine_(engine) {}

    void ResolveEncoderValues(JobItem& job) override;
    void LoadJob(const JobItem& job) override { engine_.LoadJob(job); }
    void SetLogView(ILogView* logView) override { engine_.SetLogView(logView); }
    void SetProgressCell(IListCells* list, int row, int column) override {
        engine_.SetProgressCell(list, row, column);
    }
    int RunJob() override { return engine_.RunJob(); }

    void StopJob() override { engine_.StopJob(); }
    void PauseJob() override { engine_.PauseJob(); }
    void ResumeJob() override { engine_.ResumeJob(); }

    void KillStrayEncoders() override { engine_.KillStrayEncoders(); }

  private:
    ConversionEngine& engine_;
};

} // namespace velmont
