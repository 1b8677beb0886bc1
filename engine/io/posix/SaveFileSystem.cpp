// The file-system operations a save is built from, with POSIX calls.
#include "SaveFileSystem.h"

#include "Sink.h"
#include "SystemError.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <iterator>
#include <thread>

namespace corvane {
namespace savefs {
namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

int Fd(File file) {
    return static_cast<int>(file);
}

std::error_code Checked(int result) {
    return result == 0 ? std::error_code() : LastSystemError();
}

// The temporary file, for the handlers of the signals that end a program from outside (Ctrl-C,
// kill, a closed terminal): they remove the file, then let the signal take its course. One save
// at a time is covered, which is all the programs ever run.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
char gTempPath[PATH_MAX];
std::atomic<bool> gTempExists{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler reads the flag");
struct sigaction gPrevious[std::size(kEndingSignals)];
bool gHandling = false;
// Any thread may take the signal, the saving one or another (the window saves on a worker), so
// the hold is a lock the handler takes too. The holder blocks the signals in its own thread
// first, so a handler never waits for the thread it runs on; and nothing allocates memory or
// takes another lock while it is held, so a handler that interrupted such a call on another
// thread can wait safely.
std::atomic_flag gHeld;
sigset_t gUnheld;

sigset_t EndingSignals() {
    sigset_t ending;
    sigemptyset(&ending);
    for (int signal : kEndingSignals) sigaddset(&ending, signal);
    return ending;
}

// Take the hold, waiting while another thread has it; safe in a signal handler
void Lock() {
    while (gHeld.test_and_set(std::memory_order_acquire)) {
        const timespec pause{0, 100'000};
        ::nanosleep(&pause, nullptr);
    }
}

// The hold is never given back: the program ends when the handler returns.
void RemoveTempAndEnd(int signal) {
    Lock();
    if (gTempExists.exchange(false)) ::unlink(gTempPath);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

// A link to nothing names the file it points to, which the save then creates.
std::string Resolved(const std::string& path) {
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

// Renaming needs only the folder's permission, so a file is read-only when the user may not
// open it for writing; and for everyone, root included, when it has no write permission at all.
Facts Inspect(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    if (S_ISDIR(info.st_mode)) return {Kind::Folder};
    if (!S_ISREG(info.st_mode)) return {Kind::Device};
    bool readOnly = (info.st_mode & 0222) == 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd >= 0)
        ::close(fd);
    else if (errno == EACCES || errno == EPERM || errno == EROFS)
        readOnly = true;
    return {Kind::Regular, readOnly};
}

bool HeldByAnother(const std::string&) {
    return false;
}

std::size_t NameLimit(const std::string& folder) {
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

std::size_t NameLength(std::string_view name) {
    return name.size();
}

std::error_code CreateNew(const std::string& path, File& file) {
    file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return file >= 0 ? std::error_code() : LastSystemError();
}

std::error_code OpenExisting(const std::string& path, File& file) {
    file = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    return file >= 0 ? std::error_code() : LastSystemError();
}

std::error_code Write(File file, const char* data, std::size_t size) {
    return WriteAll(Fd(file), data, size) ? std::error_code() : LastSystemError();
}

std::error_code Sync(File file) {
    return Checked(::fsync(Fd(file)));
}

std::error_code Truncate(File file) {
    return Checked(::ftruncate(Fd(file), 0));
}

std::error_code Close(File file) {
    return Checked(::close(Fd(file)));
}

// The owner only where the user may give it (root, or a group the user belongs to).
void KeepAttributes(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::stat(from.c_str(), &info) != 0) return;
    (void)::chmod(to.c_str(), info.st_mode & 07777);
    (void)::chown(to.c_str(), info.st_uid, info.st_gid);
}

std::error_code Replace(const std::string& from, const std::string& to) {
    return Checked(::rename(from.c_str(), to.c_str()));
}

std::error_code Remove(const std::string& path) {
    return Checked(::unlink(path.c_str()));
}

void SyncFolderOf(const std::string& path) {
    const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    (void)::fsync(dir);
    ::close(dir);
}

void Pause(std::chrono::milliseconds time) {
    std::this_thread::sleep_for(time);
}

// Signals someone else handles or ignores (nohup) stay theirs.
void WatchForCleanup(const std::string& path) {
    if (path.size() >= sizeof gTempPath) return;
    path.copy(gTempPath, path.size());
    gTempPath[path.size()] = '\0';
    gTempExists = true;
    if (gHandling) return;
    gHandling = true;
    struct sigaction handler {};
    handler.sa_handler = RemoveTempAndEnd;
    // One handler at a time in a thread: a second would wait for the hold the first keeps.
    handler.sa_mask = EndingSignals();
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        ::sigaction(kEndingSignals[i], nullptr, &gPrevious[i]);
        if (gPrevious[i].sa_handler == SIG_DFL) ::sigaction(kEndingSignals[i], &handler, nullptr);
    }
}

void UnwatchForCleanup() {
    gTempExists = false;
    if (!gHandling) return;
    gHandling = false;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
        if (gPrevious[i].sa_handler == SIG_DFL) ::sigaction(kEndingSignals[i], &gPrevious[i], nullptr);
}

void HoldCleanup() {
    const sigset_t ending = EndingSignals();
    sigset_t unheld;
    pthread_sigmask(SIG_BLOCK, &ending, &unheld);
    Lock();
    gUnheld = unheld;
}

void ReleaseCleanup() {
    const sigset_t unheld = gUnheld;
    gHeld.clear(std::memory_order_release);
    pthread_sigmask(SIG_SETMASK, &unheld, nullptr);
}

}  // namespace

const Operations& System() {
    // Named, since most of the operations share a type.
    static constexpr Operations kSystem{
        .Resolved = Resolved,
        .Inspect = Inspect,
        .HeldByAnother = HeldByAnother,
        .NameLimit = NameLimit,
        .NameLength = NameLength,
        .CreateNew = CreateNew,
        .OpenExisting = OpenExisting,
        .Write = Write,
        .Sync = Sync,
        .Truncate = Truncate,
        .Close = Close,
        .KeepAttributes = KeepAttributes,
        .Replace = Replace,
        .Remove = Remove,
        .SyncFolderOf = SyncFolderOf,
        .Pause = Pause,
        .WatchForCleanup = WatchForCleanup,
        .UnwatchForCleanup = UnwatchForCleanup,
        .HoldCleanup = HoldCleanup,
        .ReleaseCleanup = ReleaseCleanup,
    };
    return kSystem;
}

}  // namespace savefs

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace corvane
