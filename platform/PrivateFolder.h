#pragma once

#include <string>

namespace velmont {

// A new folder only this user can enter (0700), inside the process's private
// runtime folder (PrivateRuntimeDirectory), removed with everything in it
// when the object goes. Path() is empty when it could not be made.
class PrivateFolder {
  public:
    explicit PrivateFolder(const std::string& prefix = "velmont");
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // With a trailing separator; empty when it could not be made.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace velmont
