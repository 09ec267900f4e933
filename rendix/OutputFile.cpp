#include "rendix/OutputFile.h"

#include "rendix/TempOutputNames.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace rendix {

namespace {

// A fixed buffer, so the signal handler can use it.
char gTemp[4096] = {};
volatile std::sig_atomic_t gTempSet = 0;

std::string RandomPart() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string text(6, ' ');
    for (char& c : text)
        c = kChars[pick(generator)];
    return text;
}

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

} // namespace

OutputFile::~OutputFile() {
    io_.reset();
    if (!temp_.empty() && !committed_) {
        gTempSet = 0;
        ::unlink(temp_.c_str());
    }
}

bool OutputFile::Create(const std::string& target, std::string& error) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        error = "Is a directory";
        return false;
    }
    SweepTempOutputs(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = folder + "/" + TempOutputName(name, ::getpid(), RandomPart());
        if (temp.size() >= sizeof gTemp) {
            error = std::strerror(ENAMETOOLONG);
            return false;
        }
        // Our own new file: never an existing one, never through a link.
        int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            error = std::strerror(errno);
            return false;
        }
        target_ = target;
        temp_ = temp;
        std::memcpy(gTemp, temp.c_str(), temp.size() + 1);
        gTempSet = 1;
        io_ = std::make_unique<FdIo>(fd, FdIo::Mode::Write);
        if (!io_->context()) {
            error = "out of memory";
            return false;
        }
        return true;
    }
    error = "no free temporary name";
    return false;
}

bool OutputFile::Commit(bool replace, std::string& error) {
    std::string closeError;
    if (!io_ || !io_->Close(closeError)) {
        error = "writing '" + target_ + "' failed: " + closeError;
        return false;
    }
    const bool moved = replace ? ::rename(temp_.c_str(), target_.c_str()) == 0
                               : MoveWithoutReplacing(temp_.c_str(), target_.c_str());
    if (!moved) {
        error = errno == EEXIST ? "File '" + target_ + "' already exists (use -y to overwrite)"
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
