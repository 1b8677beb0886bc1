// Replaces a file only once its new contents are completely on disk, with POSIX calls.
#include "SaveFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>

namespace corvane {
namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a path names once symbolic links are followed, so that saving through a link
// replaces the file it points to and leaves the link in place. A link to nothing names the
// file it points to, which the save then creates.
std::string ResolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        const ssize_t size = ::readlink(target.c_str(), resolved, sizeof resolved);
        if (size < 0 || static_cast<std::size_t>(size) == sizeof resolved) break;
        const std::string next(resolved, static_cast<std::size_t>(size));
        target = next.starts_with('/') ? next : DirectoryOf(target) + "/" + next;
    }
    return target;
}

// The save whose temporary file exists, for the handlers of the signals that end a program
// from outside (Ctrl-C, kill, a closed terminal): they remove the file, then let the signal
// take its course. One save at a time is covered, which is all the programs ever run.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
// Another thread may take the signal, so the flag is an atomic that publishes the path.
char gTempPath[PATH_MAX];
std::atomic<bool> gTempExists{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler reads the flag");
struct sigaction gPrevious[std::size(kEndingSignals)];

void RemoveTempAndEnd(int signal) {
    if (gTempExists.exchange(false)) ::unlink(gTempPath);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Blocks the ending signals for as long as it lives, so that the handlers never see a half-set path.
class EndingSignalsBlocked {
public:
    EndingSignalsBlocked() {
        sigset_t ending;
        sigemptyset(&ending);
        for (int signal : kEndingSignals) sigaddset(&ending, signal);
        pthread_sigmask(SIG_BLOCK, &ending, &previous_);
    }
    ~EndingSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

private:
    sigset_t previous_;
};

// Hand the temporary file to the handlers; signals someone else handles or ignores stay theirs.
void WatchTemp(const std::string& name) {
    if (gTempExists || name.size() >= sizeof gTempPath) return;
    name.copy(gTempPath, name.size());
    gTempPath[name.size()] = '\0';
    gTempExists = true;
    struct sigaction handler {};
    handler.sa_handler = RemoveTempAndEnd;
    sigemptyset(&handler.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        ::sigaction(kEndingSignals[i], nullptr, &gPrevious[i]);
        if (gPrevious[i].sa_handler == SIG_DFL) ::sigaction(kEndingSignals[i], &handler, nullptr);
    }
}

void UnwatchTemp(const std::string& name) {
    if (!gTempExists || name != gTempPath) return;
    gTempExists = false;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
        if (gPrevious[i].sa_handler == SIG_DFL) ::sigaction(kEndingSignals[i], &gPrevious[i], nullptr);
}

// Open a new file beside target with a name no other file has; -1 when none can be created.
// The name is hidden and tells whose it is; a long target name is cut (at a whole UTF-8
// character) so that the temporary name fits wherever the target's name fits.
int CreateBeside(const std::string& target, std::string& name) {
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const long nameMax = ::pathconf(dir.empty() ? "." : dir.c_str(), _PC_NAME_MAX);
    const std::size_t longest = nameMax > 0 ? static_cast<std::size_t>(nameMax) : NAME_MAX;
    constexpr std::size_t kAdded = 18;  // "." before the name, ".corvane-" and 8 hex digits after it
    if (base.size() + kAdded > longest) {
        std::size_t keep = longest > kAdded ? longest - kAdded : 0;
        while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
        base.resize(keep);
    }
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        name = dir + "." + base + ".corvane-" + suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool OutputExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

SaveFile::SaveFile(std::string path) : target_(ResolvedTarget(path)) {}

SaveFile::~SaveFile() {
    discard();
}

bool SaveFile::open() {
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return false;
    if (exists && !S_ISREG(existing.st_mode)) {
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        return fd_ >= 0;
    }
    // Renaming needs only the folder's permission, so the file is opened as writing it would
    // open it: a file the user may not write stays as it is.
    const int inPlace = exists ? ::open(target_.c_str(), O_WRONLY | O_CLOEXEC) : -1;
    if (exists && inPlace < 0) return false;
    {
        EndingSignalsBlocked blocked;
        fd_ = CreateBeside(target_, temp_);
        if (fd_ >= 0) WatchTemp(temp_);
    }
    if (fd_ < 0) {
        temp_.clear();
        // No temporary file beside it, but the file itself may be written: the contents
        // gather in memory and replace the old ones at commit.
        fd_ = inPlace;
        buffered_ = inPlace >= 0;
        return buffered_;
    }
    if (inPlace >= 0) {
        ::close(inPlace);
        // The replacement keeps the permissions (and, where allowed, the owner) of the file.
        (void)::fchmod(fd_, existing.st_mode & 07777);
        (void)::fchown(fd_, existing.st_uid, existing.st_gid);
    }
    return true;
}

bool SaveFile::commit() {
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    if (buffered_ &&
        (::ftruncate(fd_, 0) != 0 || !WriteAll(fd_, pending_.data(), pending_.size()) || ::fsync(fd_) != 0)) {
        discard();
        return false;
    }
    if (temp_.empty()) {
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed || ::rename(temp_.c_str(), target_.c_str()) != 0) {
        discard();
        return false;
    }
    {
        EndingSignalsBlocked blocked;
        UnwatchTemp(temp_);
    }
    temp_.clear();
    const int dir = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

void SaveFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    EndingSignalsBlocked blocked;
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        UnwatchTemp(temp_);
    }
    temp_.clear();
}

}  // namespace corvane
