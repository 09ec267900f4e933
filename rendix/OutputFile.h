#pragma once

#include "rendix/FdIo.h"

#include <memory>
#include <string>

struct AVIOContext;

namespace rendix {

// What the final step does when an entry already has the target's name.
enum class ExistingTarget {
    Replace,  // the user chose to overwrite it
    Refuse,   // fail, leaving both files as they are
    FreeName, // put the output beside it as "name (2)", "name (3)", ...
};

// The output is written to a new temporary file in the target's folder and
// put in the target's place only when the run succeeded, so a failed,
// stopped or killed run leaves whatever was there as it was. The rename
// replaces a link planted at the target instead of writing through it. The
// temporary file is locked for the whole run, which tells a sweep by any
// other run (in any pid namespace) that it is still being written.
class OutputFile {
  public:
    OutputFile() = default;
    // Removes the temporary file unless it became the target.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Sweeps what killed runs left in the target's folder, then creates the
    // temporary file there (as private as the file it is to replace).
    // existing says what the final step does with an entry at the target.
    // On failure error holds the reason.
    bool Create(const std::string& target, ExistingTarget existing, std::string& error);
    AVIOContext* io() const { return io_ ? io_->context() : nullptr; }

    // Closes the temporary file and moves it to the target, or beside it as
    // Create was told. Whether a name is free is decided atomically, so of
    // several runs only one gets it. A replaced file's mode and group stay.
    bool Commit(std::string& error);
    // The path the output was put at, once committed.
    const std::string& WrittenPath() const { return written_; }

  private:
    bool PutInPlace();
    bool MoveToFreeName();
    void TakeModeOfTarget() const;

    std::string target_;
    std::string temp_;
    std::string written_;
    ExistingTarget existing_ = ExistingTarget::Refuse;
    std::unique_ptr<FdIo> io_;
    int lockFd_ = -1; // keeps the lock from creation until the rename
    bool committed_ = false;
};

// Called by the signal handler: removes the current temporary file, if any,
// with async-signal-safe calls only.
void RemoveTempOutputFromSignal();

} // namespace rendix
