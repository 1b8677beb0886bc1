// Failures of file operations as error codes: Windows' errors translated once to errno values.
#include "SystemError.h"

#include <windows.h>

#include <cerrno>

namespace corvane {
namespace {

// The errno value that means what a Windows error means, or 0 when none does
int Errno(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    // A name with characters such as ? or * in it
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    // Another program holds the file: a virus scanner, a sync client or a spreadsheet.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_CRC:
    case ERROR_IO_DEVICE:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_BAD_UNIT:
        return EIO;
    default:
        return 0;
    }
}

}  // namespace

std::error_code LastSystemError() {
    const DWORD error = GetLastError();
    const int translated = Errno(error);
    if (translated != 0) return {translated, std::generic_category()};
    return {static_cast<int>(error), std::system_category()};
}

}  // namespace corvane
