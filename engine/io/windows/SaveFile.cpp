// Replaces a file only once its new contents are completely on disk, with Windows calls.
#include "SaveFile.h"

#include "Utf16.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <random>

namespace corvane {
namespace {

// The file a path names once symbolic links are followed, so that saving through a link
// replaces the file it points to and leaves the link in place.
std::string ResolvedTarget(const std::string& path) {
    const HANDLE handle = CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

// The save whose temporary file exists, for the console's Ctrl-C, Ctrl-Break and close events:
// the handler (on a thread of its own) removes the file, then lets the default handling end
// the program. One save at a time is covered, which is all the programs ever run.
std::mutex gTempMutex;
std::wstring gTempPath;  // empty when no temporary file exists

BOOL WINAPI RemoveTempOnEnd(DWORD) {
    const std::lock_guard<std::mutex> lock(gTempMutex);
    if (!gTempPath.empty()) (void)DeleteFileW(gTempPath.c_str());
    gTempPath.clear();
    return FALSE;
}

// Call with gTempMutex held, so that the handler never sees a temporary file it cannot remove.
void WatchTemp(const std::string& name) {
    static const bool registered = SetConsoleCtrlHandler(RemoveTempOnEnd, TRUE) != 0;
    if (registered && gTempPath.empty()) gTempPath = WidePath(name);
}

void UnwatchTemp(const std::string& name) {
    const std::lock_guard<std::mutex> lock(gTempMutex);
    if (gTempPath == WidePath(name)) gTempPath.clear();
}

// Open a new file beside target with a name no other file has; -1 when none can be created.
// The name tells whose it is; a long target name is cut (at a whole character, in UTF-16 units)
// so that the temporary name fits wherever the target's name fits. Others may delete the file
// while it is open, so that the Ctrl-C handler can remove it while it is being written.
int CreateBeside(const std::string& target, std::string& name) {
    const std::wstring path = Utf16(target);
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring dir = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    std::wstring base = slash == std::wstring::npos ? path : path.substr(slash + 1);
    constexpr std::size_t longest = 255;  // the longest name NTFS, exFAT and FAT32 take, in UTF-16 units
    constexpr std::size_t kAdded = 18;    // "." before the name, ".corvane-" and 8 hex digits after it
    if (base.size() + kAdded > longest) {
        std::size_t keep = longest - kAdded;
        if (IS_LOW_SURROGATE(base[keep])) --keep;
        base.resize(keep);
    }
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        const std::wstring wide = dir + L"." + base + L".corvane-" + Utf16(suffix);
        const HANDLE handle = CreateFileW(WidePath(wide).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                          nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return -1;
        }
        const int fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_BINARY);
        if (fd < 0) {
            CloseHandle(handle);
            (void)DeleteFileW(WidePath(wide).c_str());
            return -1;
        }
        name = Utf8(wide);
        return fd;
    }
    return -1;
}

// True when the file at path is a disk file, not a device such as NUL or CON or a pipe
bool IsDiskFile(const std::string& path) {
    const HANDLE handle = CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return true;
    const bool disk = GetFileType(handle) == FILE_TYPE_DISK;
    CloseHandle(handle);
    return disk;
}

}  // namespace

bool OutputExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
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
    const std::wstring target = WidePath(target_);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    if (!IsDiskFile(target_)) {
        if (_wsopen_s(&fd_, target.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0) != 0) fd_ = -1;
        return fd_ >= 0;
    }
    // Windows refuses to replace a read-only file; so does Corvane, before writing anything.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    {
        const std::lock_guard<std::mutex> lock(gTempMutex);
        fd_ = CreateBeside(target_, temp_);
        if (fd_ >= 0) WatchTemp(temp_);
    }
    if (fd_ < 0) {
        temp_.clear();
        // No temporary file beside it, but the file itself may be written: the contents
        // gather in memory and replace the old ones at commit.
        if (!exists || _wsopen_s(&fd_, target.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYWR, 0) != 0)
            fd_ = -1;
        buffered_ = fd_ >= 0;
        return buffered_;
    }
    return true;
}

bool SaveFile::commit() {
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    if (buffered_ &&
        (_chsize_s(fd_, 0) != 0 || !WriteAll(fd_, pending_.data(), pending_.size()) || _commit(fd_) != 0)) {
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
    const std::wstring temp = WidePath(temp_);
    const std::wstring target = WidePath(target_);
    // The replacement keeps the attributes of the file it replaces (hidden, archive ...).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) (void)SetFileAttributesW(temp.c_str(), attributes);
    // MoveFileExW rather than ReplaceFileW: without a backup file, ReplaceFileW may fail after
    // removing the file it replaces (ERROR_UNABLE_TO_MOVE_REPLACEMENT), and an existing file
    // must survive every failure.
    // Under the lock, a Ctrl-C either removes the file before it moves (and the move fails) or
    // finds nothing left to remove.
    std::unique_lock<std::mutex> lock(gTempMutex);
    if (!synced || !closed ||
        !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        lock.unlock();
        discard();
        return false;
    }
    if (gTempPath == temp) gTempPath.clear();
    temp_.clear();
    return true;
}

void SaveFile::discard() {
    if (fd_ >= 0) _close(fd_);
    fd_ = -1;
    if (!temp_.empty()) {
        const std::wstring temp = WidePath(temp_);
        (void)SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
        (void)DeleteFileW(temp.c_str());
        UnwatchTemp(temp_);
    }
    temp_.clear();
}

}  // namespace corvane
