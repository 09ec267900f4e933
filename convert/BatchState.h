#pragma once

namespace velmont {

// Where a batch stands, as every front end reads it.
enum class BatchState {
    Running,    // jobs run, or the batch is about to take the next one
    Paused,     // every running encoder is asked to pause; new jobs start paused
    Stopped,    // Stop, "stop after the current files" or a failed read ended it; Restart goes on
    Finished,   // ended with no job left waiting
    Unfinished, // ended by itself with jobs left waiting (their encoder could not start)
};

// A batch that is running or paused, or has jobs it could still run
// without a Restart: a front end may not close under it.
inline bool KeepsFrontEndOpen(BatchState state) {
    return state == BatchState::Running || state == BatchState::Paused ||
           state == BatchState::Unfinished;
}

} // namespace velmont
