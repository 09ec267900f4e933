#include "rendix/OutputFile.h"

#include "model/Utf8Cut.h"
#include "platform/TempOutputFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rendix {

namespace {

// A fixed buffer, so the signal handler can use it.
char gTemp[4096] = {};
volatile std::sig_atomic_t gTempSet = 0;

// Moves from to to unless an entry named to exists, even a dangling link.
// Where the filesystem lacks RENAME_NOREPLACE a hard link does the same;
// where it lacks hard links too, the name is claimed by an exclusive create.
bool MoveWithoutReplacing(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    if (::link(from, to) == 0)
        return ::unlink(from), true;
    if (errno != EPERM && errno != EOPNOTSUPP)
        return false;
    int claim = ::open(to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0)
        return false;
    ::close(claim);
    if (::rename(from, to) == 0)
        return true;
    const int failure = errno;
    ::unlink(to); // the empty claim is ours
    errno = failure;
    return false;
}

// "folder/song (2).mp3" -> "folder/song" and 2; "folder/song.mp3" ->
// "folder/song" and 1. The extension goes to extension.
std::string NumberedStem(const std::string& path, std::string& extension, int& number) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    extension = hasExtension ? path.substr(dot) : "";
    std::string stem = hasExtension ? path.substr(0, dot) : path;
    number = 1;
    const std::size_t open = stem.rfind(" (");
    if (open != std::string::npos && open >= nameStart && stem.back() == ')') {
        const std::string digits = stem.substr(open + 2, stem.size() - open - 3);
        if (!digits.empty() && digits.size() < 9 &&
            digits.find_first_not_of("0123456789") == std::string::npos && digits[0] != '0') {
            number = std::stoi(digits);
            stem.resize(open);
        }
    }
    return stem;
}

// stem + tail, the stem's file name shortened so the whole name fits the
// longest one a folder takes.
std::string FittingName(const std::string& stem, const std::string& tail) {
    const std::size_t slash = stem.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t room = NAME_MAX - std::min<std::size_t>(NAME_MAX, tail.size());
    return stem.substr(0, nameStart) + velmont::CutUtf8(stem.substr(nameStart), room) + tail;
}

} // namespace

OutputFile::~OutputFile() {
    io_.reset();
    if (!temp_.empty() && !committed_) {
        gTempSet = 0;
        ::unlink(temp_.c_str());
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool OutputFile::Create(const std::string& target, ExistingTarget existing, std::string& error) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        error = "Is a directory";
        return false;
    }
    velmont::SweepTempOutputs(folder);
    std::string temp;
    const int fd = velmont::CreateLockedTempOutput(folder, name, temp);
    if (fd < 0 || temp.size() >= sizeof gTemp) {
        error = fd < 0 ? std::strerror(errno) : std::strerror(ENAMETOOLONG);
        if (fd >= 0)
            ::unlink(temp.c_str()), ::close(fd);
        return false;
    }
    target_ = target;
    existing_ = existing;
    temp_ = temp;
    std::memcpy(gTemp, temp.c_str(), temp.size() + 1);
    gTempSet = 1;
    lockFd_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
    io_ = std::make_unique<FdIo>(fd, FdIo::Mode::Write);
    if (existing == ExistingTarget::Replace)
        TakeModeOfTarget();
    if (!io_->context() || lockFd_ < 0) {
        error = "out of memory";
        return false;
    }
    return true;
}

void OutputFile::TakeModeOfTarget() const {
    struct stat st {};
    if (lockFd_ < 0 || ::lstat(target_.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    // The group first: changing it may clear set-id bits of the mode.
    (void)!::fchown(lockFd_, static_cast<uid_t>(-1), st.st_gid);
    ::fchmod(lockFd_, st.st_mode & 0777);
}

bool OutputFile::MoveToFreeName() {
    if (MoveWithoutReplacing(temp_.c_str(), target_.c_str()))
        return written_ = target_, true;
    std::string extension;
    int number = 1;
    const std::string stem = NumberedStem(target_, extension, number);
    for (int tries = 0; errno == EEXIST && tries < 1000; ++tries) {
        const std::string candidate =
            FittingName(stem, " (" + std::to_string(++number) + ")" + extension);
        if (MoveWithoutReplacing(temp_.c_str(), candidate.c_str()))
            return written_ = candidate, true;
    }
    return false;
}

bool OutputFile::PutInPlace() {
    switch (existing_) {
    case ExistingTarget::Replace:
        TakeModeOfTarget(); // of what is there now, not at the start
        if (::rename(temp_.c_str(), target_.c_str()) != 0)
            return false;
        break;
    case ExistingTarget::Refuse:
        if (!MoveWithoutReplacing(temp_.c_str(), target_.c_str()))
            return false;
        break;
    case ExistingTarget::FreeName:
        return MoveToFreeName();
    }
    written_ = target_;
    return true;
}

bool OutputFile::Commit(std::string& error) {
    std::string closeError;
    if (!io_ || !io_->Close(closeError)) {
        error = "writing '" + target_ + "' failed: " + closeError;
        return false;
    }
    if (!PutInPlace()) {
        // Free when the run began: whoever wrote it since keeps it.
        error = errno == EEXIST ? "File '" + target_ +
                                      "' already exists (it appeared during the conversion "
                                      "and was kept)"
                                : "cannot put the output in place as '" + target_ +
                                      "': " + std::strerror(errno);
        return false;
    }
    committed_ = true;
    gTempSet = 0;
    return true;
}

void RemoveTempOutputFromSignal() {
    if (gTempSet)
        ::unlink(gTemp);
}

} // namespace rendix
