#pragma once

#include "rendix/FdIo.h"

#include <memory>
#include <string>

struct AVIOContext;

namespace rendix {

// The output is written to a new temporary file in the target's folder and
// put in the target's place only when the run succeeded, so a failed,
// stopped or killed run leaves whatever was there as it was. The rename
// replaces a link planted at the target instead of writing through it.
class OutputFile {
  public:
    OutputFile() = default;
    // Removes the temporary file unless it became the target.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Sweeps what killed runs left in the target's folder, then creates the
    // temporary file there. On failure error holds the reason.
    bool Create(const std::string& target, std::string& error);
    AVIOContext* io() const { return io_ ? io_->context() : nullptr; }

    // Closes the temporary file and moves it to the target: over whatever is
    // there when replace is set, else only while no entry of that name
    // exists (decided atomically, so of several runs only one gets it).
    bool Commit(bool replace, std::string& error);

  private:
    std::string target_;
    std::string temp_;
    std::unique_ptr<FdIo> io_;
    bool committed_ = false;
};

// Called by the signal handler: removes the current temporary file, if any,
// with async-signal-safe calls only.
void RemoveTempOutputFromSignal();

} // namespace rendix
