#pragma once

#include "convert/BatchState.h"

namespace velmont {

// The conversion dialog's Pause/Resume, Stop/Restart and Open Folder
// buttons for a batch's state: the toggles are the dialog's, the core
// only knows verbs.
struct ConvertButtons {
    bool pauseEnabled = true;
    bool pauseShowsResume = false; // the button offers "Resume"
    bool stopEnabled = true;
    bool stopShowsRestart = false; // the button offers "Restart"
    bool openFolderEnabled = false;

    const char* PauseText() const { return pauseShowsResume ? "Resume" : "Pause"; }
    const char* StopText() const { return stopShowsRestart ? "Restart" : "Stop"; }
    bool operator==(const ConvertButtons&) const = default;
};

constexpr ConvertButtons ButtonsFor(BatchState state) {
    switch (state) {
    case BatchState::Running:
        return {true, false, true, false, false};
    case BatchState::Paused:
        return {true, true, true, false, true};
    case BatchState::Stopped:
        return {false, false, true, true, true};
    case BatchState::Finished:
        return {false, false, false, false, true};
    case BatchState::Unfinished:
        return {true, false, true, false, true};
    }
    return {};
}

} // namespace velmont
