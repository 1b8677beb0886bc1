// The file-system operations reading is built from, with Windows handles and UTF-16 paths.
#include "ReadFileSystem.h"

#include "SystemError.h"
#include "Utf16.h"

#include <io.h>
#include <windows.h>

namespace corvane::readfs {
namespace {

HANDLE Handle(File file) {
    return reinterpret_cast<HANDLE>(file);
}

}  // namespace

// A folder does not open as a file, so it is told apart first. Other programs may go on
// reading, writing or even deleting the file while it is read.
std::error_code Open(const std::string& path, File& file) {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::make_error_code(std::errc::is_a_directory);
    const HANDLE handle =
        CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastSystemError();
    file = reinterpret_cast<File>(handle);
    return {};
}

File OfStream(std::FILE* stream) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return handle == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<File>(handle);
}

// Devices (NUL, the console) are read as the streams they are.
std::error_code Inspect(File file, Kind& kind, std::size_t& size) {
    LARGE_INTEGER bytes{};
    const bool sized = GetFileType(Handle(file)) == FILE_TYPE_DISK && GetFileSizeEx(Handle(file), &bytes);
    kind = sized ? Kind::Sized : Kind::Stream;
    size = static_cast<std::size_t>(bytes.QuadPart);
    return {};
}

std::error_code Read(File file, char* data, std::size_t size, std::size_t& got) {
    DWORD read = 0;
    if (!::ReadFile(Handle(file), data, static_cast<DWORD>(size), &read, nullptr)) {
        // A pipe whose writer has closed its end reports that instead of end of file.
        if (GetLastError() != ERROR_BROKEN_PIPE) return LastSystemError();
        read = 0;
    }
    got = read;
    return {};
}

void Close(File file) {
    CloseHandle(Handle(file));
}

}  // namespace corvane::readfs
