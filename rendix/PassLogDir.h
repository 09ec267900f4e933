#pragma once

#include <string>

namespace rendix {

// A private temporary folder for two-pass statistics. It is removed when
// the object goes, and also when SIGINT or SIGTERM ends the process; folders
// left by a killed Rendix are swept when the next one creates its own.
class PassLogDir {
  public:
    PassLogDir() = default;
    ~PassLogDir();
    PassLogDir(const PassLogDir&) = delete;
    PassLogDir& operator=(const PassLogDir&) = delete;

    bool Create(std::string& error);
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Removes a folder and the files in it (no subfolders expected).
void RemoveFolder(const std::string& path);

// Called by the signal handler: removes the current folder, if any, using
// only async-signal-safe calls.
void RemovePassLogDirFromSignal();

} // namespace rendix
