// The file-system operations a save is built from, one table per platform (posix/, windows/);
// when and in which order they run is decided once, by SaveFile. Paths are UTF-8.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace corvane::savefs {

// An open file: a POSIX descriptor or a Windows handle
using File = std::intptr_t;
inline constexpr File kNoFile = -1;

// What a path names. Device is anything else that can be written but not replaced: a device,
// a pipe, a socket.
enum class Kind { Missing, Regular, Folder, Device };

struct Facts {
    Kind kind = Kind::Missing;
    // A regular file that is not to be written: one nobody has write permission for, or the
    // user may not open for writing (POSIX), or with the read-only attribute (Windows)
    bool readOnly = false;
};

// The operations, each a function of the platform's own. A test hands SaveFile a table of its own
// to make any step fail, as SQLite's test file systems do.
struct Operations {
    // The file path names once symbolic links are followed; path when it names nothing yet
    std::string (*Resolved)(const std::string& path);
    // What path names
    Facts (*Inspect)(const std::string& path);
    // True when another program holds the file open so that it can be neither replaced nor removed
    bool (*HeldByAnother)(const std::string& path);

    // The longest name a file in folder may have ("" is the current folder), in NameLength's units
    std::size_t (*NameLimit)(const std::string& folder);
    // The length of a file name in the units the system limits: bytes or UTF-16 units
    std::size_t (*NameLength)(std::string_view name);

    // Create a new file at path for writing; file_exists when there is one already
    std::error_code (*CreateNew)(const std::string& path, File& file);
    // Open the existing file at path for writing, without emptying it
    std::error_code (*OpenExisting)(const std::string& path, File& file);
    // Write all of size bytes
    std::error_code (*Write)(File file, const char* data, std::size_t size);
    // Wait until everything written is on the disk
    std::error_code (*Sync)(File file);
    // Empty a file opened by OpenExisting and nothing written to it yet
    std::error_code (*Truncate)(File file);
    std::error_code (*Close)(File file);

    // Give the file at to the permissions, owner or attributes of the file at from, where allowed
    void (*KeepAttributes)(const std::string& from, const std::string& to);
    // Move the file at from over the file at to in one step; to is unchanged when this fails
    std::error_code (*Replace)(const std::string& from, const std::string& to);
    // Remove the file at path
    std::error_code (*Remove)(const std::string& path);
    // Make a finished Replace into the folder of path survive a crash
    void (*SyncFolderOf)(const std::string& path);
    // Wait before trying a step again
    void (*Pause)(std::chrono::milliseconds time);

    // The program's end from outside (a signal, a console event), on whichever thread it arrives,
    // removes the file named by WatchForCleanup, then ends the program as it would have ended. The
    // handlers are in place before WatchForCleanup returns. Call both with the clean-up held.
    void (*WatchForCleanup)(const std::string& path);
    void (*UnwatchForCleanup)();
    // While held, that removal waits, so it never meets a file half created, moved or removed. Hold
    // it only around the calls that create, move or remove the file: a POSIX signal handler may wait
    // for it in a thread it interrupted in the middle of allocating memory, so nothing that
    // allocates may run while it is held there.
    void (*HoldCleanup)();
    void (*ReleaseCleanup)();
};

// The system's own operations
const Operations& System();

}  // namespace corvane::savefs
