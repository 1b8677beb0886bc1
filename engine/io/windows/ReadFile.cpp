// Reading a whole GPX file or stream into memory, with Windows handles and UTF-16 paths.
#include "ReadFile.h"

#include "SystemError.h"
#include "Utf16.h"

#include <io.h>
#include <windows.h>

#include <algorithm>

namespace corvane {
namespace {

// Read everything left in handle. A disk file is read into a buffer of its size; pipes and
// consoles grow the buffer as they go.
bool ReadAll(HANDLE handle, FileBytes& bytes, std::string& error, const ReadProgress& progress) {
    std::size_t capacity = 1 << 16;
    LARGE_INTEGER size{};
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileSizeEx(handle, &size))
        capacity = static_cast<std::size_t>(size.QuadPart) + 1;
    bytes.data = std::make_unique_for_overwrite<char[]>(capacity);
    bytes.size = 0;
    for (;;) {
        if (bytes.size == capacity) GrowBuffer(bytes, capacity);
        const DWORD want = static_cast<DWORD>(std::min(capacity - bytes.size, kReadChunk));
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data.get() + bytes.size, want, &got, nullptr)) {
            // A pipe whose writer has closed its end reports that instead of end of file.
            if (GetLastError() == ERROR_BROKEN_PIPE) return true;
            error = ReadReason(LastSystemError());
            return false;
        }
        if (got == 0) return true;
        bytes.size += got;
        if (progress) progress(bytes.size);
    }
}

}  // namespace

bool ReadWholeFile(const std::string& path, FileBytes& bytes, std::string& error, const ReadProgress& progress) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = kFolderReason;
        return false;
    }
    // Other programs may go on reading, writing or even deleting the file while it is read.
    const HANDLE handle =
        CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = ReadReason(LastSystemError());
        return false;
    }
    const bool read = ReadAll(handle, bytes, error, progress);
    CloseHandle(handle);
    return read;
}

bool ReadWholeStream(std::FILE* stream, FileBytes& bytes, std::string& error, const ReadProgress& progress) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (handle == INVALID_HANDLE_VALUE) {
        error = "no such stream";
        return false;
    }
    return ReadAll(handle, bytes, error, progress);
}

}  // namespace corvane
