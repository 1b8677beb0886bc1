// The file-system operations a save is built from, with Windows calls on UTF-16 paths.
#include "SaveFileSystem.h"

#include "Sink.h"
#include "SystemError.h"
#include "Utf16.h"

#include <io.h>
#include <windows.h>

#include <atomic>
#include <climits>
#include <iterator>

namespace corvane {
namespace savefs {
namespace {

HANDLE Handle(File file) {
    return reinterpret_cast<HANDLE>(file);
}

std::error_code Checked(BOOL result) {
    return result ? std::error_code() : LastSystemError();
}

// The file is handle; the reason when no file could be opened
std::error_code Opened(HANDLE handle, File& file) {
    file = reinterpret_cast<File>(handle);
    return Checked(handle != INVALID_HANDLE_VALUE);
}

// Open what path names for access (0: only to look at it), sharing it with everyone;
// INVALID_HANDLE_VALUE when it cannot be opened. Folders open too.
HANDLE OpenShared(const std::string& path, DWORD access) {
    return CreateFileW(WidePath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The temporary file, for the console's Ctrl-C, Ctrl-Break and close events. The handler runs
// on a thread of its own: it waits while the clean-up is held, removes the file and ends the
// program there and then. Handing the event on instead would have the default handling call
// ExitProcess on that thread while other threads may hold locks, which can hang the program.
// The handler reads only plain data, never destroyed, so a late event meets nothing gone. One
// save at a time is covered, which is all the programs ever run.
SRWLOCK gTempLock = SRWLOCK_INIT;
wchar_t gTempPath[1 << 15];  // the longest path Windows takes
std::atomic<bool> gTempExists{false};

BOOL WINAPI RemoveTempAndEnd(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) return FALSE;
    AcquireSRWLockExclusive(&gTempLock);
    if (gTempExists.exchange(false)) (void)DeleteFileW(gTempPath);
    TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
    return TRUE;
}

std::string Resolved(const std::string& path) {
    const HANDLE handle = OpenShared(path, 0);
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

// Windows refuses to replace a file with the read-only attribute; so does Corvane, before
// writing anything.
Facts Inspect(const std::string& path) {
    const HANDLE handle = OpenShared(path, 0);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return {};
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {Kind::Folder};
        return {Kind::Regular, (attributes & FILE_ATTRIBUTE_READONLY) != 0};
    }
    Facts facts{Kind::Device};
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info)) {
        const bool folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        facts = {folder ? Kind::Folder : Kind::Regular, !folder && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)};
    }
    CloseHandle(handle);
    return facts;
}

// Asking to be allowed to delete it is refused as a sharing violation exactly when another
// program holds it without sharing deletion.
bool HeldByAnother(const std::string& path) {
    const HANDLE handle = OpenShared(path, DELETE);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    return LastSystemError() == std::errc::device_or_resource_busy;
}

// The longest name NTFS, exFAT and FAT32 take. Asking the volume (GetVolumeInformationW) made
// Wine print an access error on every save.
std::size_t NameLimit(const std::string&) {
    return 255;
}

std::size_t NameLength(std::string_view name) {
    return Utf16(name).size();
}

// Others may delete the file while it is open, so that the Ctrl-C handler can remove it while
// it is being written.
std::error_code CreateNew(const std::string& path, File& file) {
    const HANDLE handle = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Opened(handle, file);
}

// Devices such as NUL are shared with every other writer, as they always are.
std::error_code OpenExisting(const std::string& path, File& file) {
    const HANDLE handle = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Opened(handle, file);
}

std::error_code Write(File file, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(Handle(file), data, chunk, &written, nullptr)) return LastSystemError();
        data += written;
        size -= written;
    }
    return {};
}

std::error_code Sync(File file) {
    return Checked(FlushFileBuffers(Handle(file)));
}

std::error_code Truncate(File file) {
    return Checked(SetFilePointerEx(Handle(file), LARGE_INTEGER{}, nullptr, FILE_BEGIN) && SetEndOfFile(Handle(file)));
}

std::error_code Close(File file) {
    return Checked(CloseHandle(Handle(file)));
}

// The attributes (hidden, archive ...); the permissions come from the folder.
void KeepAttributes(const std::string& from, const std::string& to) {
    const DWORD attributes = GetFileAttributesW(WidePath(from).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) (void)SetFileAttributesW(WidePath(to).c_str(), attributes);
}

// MoveFileExW rather than ReplaceFileW: without a backup file, ReplaceFileW may fail after
// removing the file it replaces (ERROR_UNABLE_TO_MOVE_REPLACEMENT), and an existing file must
// survive every failure.
std::error_code Replace(const std::string& from, const std::string& to) {
    return Checked(
        MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

// As a last resort the file is marked to go when the last program holding it closes it.
std::error_code Remove(const std::string& path) {
    const std::wstring wide = WidePath(path);
    (void)SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileW(wide.c_str())) return {};
    const std::error_code error = LastSystemError();
    const HANDLE handle = CreateFileW(wide.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return error;
    CloseHandle(handle);
    return {};
}

// MOVEFILE_WRITE_THROUGH has already waited for the move to reach the disk.
void SyncFolderOf(const std::string&) {}

void Pause(std::chrono::milliseconds time) {
    Sleep(static_cast<DWORD>(time.count()));
}

void WatchForCleanup(const std::string& path) {
    const std::wstring wide = WidePath(path);
    if (wide.size() >= std::size(gTempPath)) return;
    gTempPath[wide.copy(gTempPath, wide.size())] = L'\0';
    gTempExists = true;
}

void UnwatchForCleanup() {
    gTempExists = false;
}

// The system holds a lock of its own while it calls the handlers, so the handler is put in place
// before the clean-up is held: the other order could leave each waiting for the other.
void HoldCleanup() {
    static const BOOL registered = SetConsoleCtrlHandler(RemoveTempAndEnd, TRUE);
    (void)registered;
    AcquireSRWLockExclusive(&gTempLock);
}

void ReleaseCleanup() {
    ReleaseSRWLockExclusive(&gTempLock);
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
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX));
        const int written = _write(fd, data, chunk);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace corvane
