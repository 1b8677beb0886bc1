// Replaces a file only once its new contents are completely on disk, with POSIX calls.
#include "SaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace corvane {
namespace {

// The file a path names once symbolic links are followed, so that saving through a link
// replaces the file it points to and leaves the link in place.
std::string ResolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    return path;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Open a new file beside target with a name no other file has; -1 when none can be created.
int CreateBeside(const std::string& target, std::string& name) {
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
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
    fd_ = CreateBeside(target_, temp_);
    if (fd_ < 0) {
        temp_.clear();
        return false;
    }
    if (exists) {
        // The replacement keeps the permissions (and, where allowed, the owner) of the file.
        (void)::fchmod(fd_, existing.st_mode & 07777);
        (void)::fchown(fd_, existing.st_uid, existing.st_gid);
    }
    return true;
}

bool SaveFile::write(const char* data, std::size_t size) {
    if (fd_ < 0) failed_ = true;
    if (!failed_ && !WriteAll(fd_, data, size)) failed_ = true;
    return !failed_;
}

bool SaveFile::commit() {
    if (fd_ < 0 || failed_) {
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
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

}  // namespace corvane
