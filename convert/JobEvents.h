#pragma once

#include <string>

namespace velmont {

// How one run of the encoder ended.
enum class JobOutcome {
    Converted,  // ended by itself after encoding, with status 0
    Failed,     // ended by itself, but never encoded or did not exit with 0
    Stopped,    // a stop request ended it
    NotStarted, // the encoder could not be started
    ReadFailed, // its output could not be read; it was killed
};

// One status line of the encoder, as far as it could be read.
struct JobProgress {
    int percent = -1;        // 0..100; -1 when the line gives no usable percentage
    double seconds = 0;      // of the source encoded so far
    double speed = 0;        // seconds encoded per second of running; 0 while unknown
    double secondsLeft = -1; // of running still needed; -1 while unknown
    std::string statusLine;  // the line itself, from "size=" on
};

// What a running job reports, in the order it happens, on the thread that
// runs it. A front end decides what to show for each; every default does
// nothing, so a front end names only the events it shows.
class IJobEvents {
  public:
    virtual ~IJobEvents() = default;

    // The run begins; nothing has been heard from the encoder yet.
    virtual void OnStarted() {}
    // The run's collected text now reads `text`: the encoder's header up to
    // its end-of-header line and our own messages (errors, "Suspended!",
    // "Stopped!"). During encoding the current status line follows it.
    virtual void OnHeaderText(const std::string& text) { (void)text; }
    // The source's length, read from the header, in seconds.
    virtual void OnDurationKnown(int seconds) { (void)seconds; }
    virtual void OnProgress(const JobProgress& progress) { (void)progress; }
    // The encoder wrote a line that is no status line during encoding; it
    // takes the status line's place.
    virtual void OnEncoderMessage(const std::string& line) { (void)line; }
    // The output was put beside a file that had appeared at its planned
    // path, under the free name path.
    virtual void OnOutputRenamed(const std::string& path) { (void)path; }
    virtual void OnPaused() {}
    virtual void OnResumed() {}
    virtual void OnStopped() {}
    // Always the last event of a run. statusText is the collected text as
    // the job's Log should keep it.
    virtual void OnFinished(JobOutcome outcome, const std::string& statusText) {
        (void)outcome;
        (void)statusText;
    }
};

} // namespace velmont
