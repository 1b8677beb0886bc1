// Replaces a file only once its new contents are completely on disk, with Windows calls.
#include "SaveFile.h"

#include "Utf16.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <climits>
#include <cstdio>
#include <random>

namespace corvane {
namespace {

// The file a path names once symbolic links are followed, so that saving through a link
// replaces the file it points to and leaves the link in place.
std::string ResolvedTarget(const std::string& path) {
    const HANDLE handle = CreateFileW(Utf16(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return path;
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD size = GetFinalPathNameByHandleW(handle, resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    if (size >= resolved.size()) {
        resolved.resize(size);
        size = GetFinalPathNameByHandleW(handle, resolved.data(), static_cast<DWORD>(resolved.size()), 0);
    }
    CloseHandle(handle);
    if (size == 0 || size >= resolved.size()) return path;
    resolved.resize(size);
    return Utf8(resolved);
}

std::size_t LastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

// Open a new file beside target with a name no other file has; -1 when none can be created.
int CreateBeside(const std::string& target, std::string& name) {
    const std::size_t slash = LastSeparator(target);
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        name = dir + "." + base + ".corvane-" + suffix;
        int fd = -1;
        const errno_t error =
            _wsopen_s(&fd, Utf16(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _SH_DENYWR,
                      _S_IREAD | _S_IWRITE);
        if (error == 0 || error != EEXIST) return error == 0 ? fd : -1;
    }
    return -1;
}

// True when the file at path is a disk file, not a device such as NUL or CON or a pipe
bool IsDiskFile(const std::string& path) {
    const HANDLE handle = CreateFileW(Utf16(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return true;
    const bool disk = GetFileType(handle) == FILE_TYPE_DISK;
    CloseHandle(handle);
    return disk;
}

}  // namespace

bool OutputExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX));
        const int written = _write(fd, data, chunk);
        if (written <= 0) return false;
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
    const std::wstring target = Utf16(target_);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    if (!IsDiskFile(target_)) {
        if (_wsopen_s(&fd_, target.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0) != 0) fd_ = -1;
        return fd_ >= 0;
    }
    // Windows refuses to replace a read-only file; so does Corvane, before writing anything.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    fd_ = CreateBeside(target_, temp_);
    if (fd_ < 0) {
        temp_.clear();
        return false;
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
        const bool closed = _close(fd_) == 0;
        fd_ = -1;
        return closed;
    }
    const bool synced = _commit(fd_) == 0;
    const bool closed = _close(fd_) == 0;
    fd_ = -1;
    const std::wstring temp = Utf16(temp_);
    const std::wstring target = Utf16(target_);
    // The replacement keeps the attributes of the file it replaces (hidden, archive ...).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) (void)SetFileAttributesW(temp.c_str(), attributes);
    // MoveFileExW rather than ReplaceFileW: without a backup file, ReplaceFileW may fail after
    // removing the file it replaces (ERROR_UNABLE_TO_MOVE_REPLACEMENT), and an existing file
    // must survive every failure.
    if (!synced || !closed ||
        !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        discard();
        return false;
    }
    temp_.clear();
    return true;
}

void SaveFile::discard() {
    if (fd_ >= 0) _close(fd_);
    fd_ = -1;
    if (!temp_.empty()) {
        const std::wstring temp = Utf16(temp_);
        (void)SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
        (void)DeleteFileW(temp.c_str());
    }
    temp_.clear();
}

}  // namespace corvane
