#pragma once

#include "convert/JobEvents.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace velmont {

// Keeps every job event as a line of text ("started", "progress 25",
// "finished Converted"), and the texts a front end would show. Safe to read
// from another thread while a run reports.
class RecordingJobEvents : public IJobEvents {
  public:
    void OnStarted() override { Add("started"); }
    void OnHeaderText(const std::string& text) override {
        std::lock_guard lock(mutex_);
        header_ = text;
    }
    void OnDurationKnown(int seconds) override { Add("duration " + std::to_string(seconds)); }
    void OnProgress(const JobProgress& progress) override {
        std::lock_guard lock(mutex_);
        statusLine_ = progress.statusLine;
        last_ = progress;
        events_.push_back("progress " + std::to_string(progress.percent));
    }
    void OnEncoderMessage(const std::string& line) override { Add("message " + line); }
    void OnPaused() override { Add("paused"); }
    void OnResumed() override { Add("resumed"); }
    void OnStopped() override { Add("stopped"); }
    void OnFinished(JobOutcome outcome, const std::string& statusText) override {
        if (whenFinished)
            whenFinished();
        static const char* const kNames[] = {"Converted", "Failed", "Stopped", "NotStarted",
                                             "ReadFailed"};
        std::lock_guard lock(mutex_);
        header_ = statusText;
        outcome_ = outcome;
        finished_ = true;
        events_.push_back(std::string("finished ") + kNames[static_cast<int>(outcome)]);
    }

    // Called as OnFinished arrives: what the job's end has left by then.
    std::function<void()> whenFinished;

    void Clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
        header_.clear();
        statusLine_.clear();
        last_ = {};
        finished_ = false;
    }

    std::vector<std::string> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    // The events that are neither progress nor messages.
    std::vector<std::string> Milestones() const {
        std::vector<std::string> kept;
        for (const std::string& event : Events()) {
            if (event.rfind("progress", 0) != 0 && event.rfind("message", 0) != 0)
                kept.push_back(event);
        }
        return kept;
    }
    std::string Header() const {
        std::lock_guard lock(mutex_);
        return header_;
    }
    std::string StatusLine() const {
        std::lock_guard lock(mutex_);
        return statusLine_;
    }
    JobProgress LastProgress() const {
        std::lock_guard lock(mutex_);
        return last_;
    }
    bool Finished() const {
        std::lock_guard lock(mutex_);
        return finished_;
    }
    JobOutcome Outcome() const {
        std::lock_guard lock(mutex_);
        return outcome_;
    }
    bool Has(const std::string& event) const {
        for (const std::string& seen : Events()) {
            if (seen == event)
                return true;
        }
        return false;
    }

  private:
    void Add(std::string event) {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }

    mutable std::mutex mutex_;
    std::vector<std::string> events_;
    std::string header_;
    std::string statusLine_;
    JobProgress last_;
    JobOutcome outcome_ = JobOutcome::NotStarted;
    bool finished_ = false;
};

} // namespace velmont
