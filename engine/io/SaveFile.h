// Replaces a file only once its new contents are completely on disk; paths are UTF-8.
#pragma once

#include "SaveFileSystem.h"
#include "Sink.h"

#include <cstdint>
#include <string>
#include <system_error>

namespace corvane {

// The new contents go to a temporary file beside the target, which commit() moves over it.
// Until then, and whenever anything fails or the program is ended by a signal or a console
// event, the target keeps its old contents and the temporary file is removed. A read-only
// target is never replaced. A target that exists but is no regular file (a device such as
// /dev/null or NUL, a pipe) is written in place, since it cannot be replaced by moving; so is a
// writable file where no temporary file can be created, its new contents held in memory until
// commit(). A move or removal that another program blocks for a moment is tried again for
// about two seconds. Every failure keeps its cause.
class SaveFile : public Sink {
public:
    // A save to path through the file system's operations (a test's own table makes them fail)
    explicit SaveFile(std::string path, const savefs::Operations& system = savefs::System());
    ~SaveFile() override;
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // Create the temporary file (or open the device); false when that is not possible
    bool open();
    bool write(const char* data, std::size_t size) override;
    // Flush, close and move the new contents into place; false when any step failed
    bool commit();
    // Why the save failed (read_only_file_system ...), the same codes on every system; none before any failure
    std::error_code error() const { return error_; }

private:
    // Keep the first failure; returns false
    bool fail(std::error_code error);
    std::error_code createTemp();
    std::error_code moveIntoPlace();
    // A refusal to move or remove looked at again: read-only, or held by another program
    std::error_code recheck(std::error_code error) const;
    void discard();

    const savefs::Operations& fs_;
    std::string target_;
    std::string temp_;         // empty when writing in place
    std::intptr_t file_ = -1;  // the file being written
    bool buffered_ = false;    // writing in place: the contents wait in pending_ for commit()
    std::string pending_;
    std::error_code error_;
};

// True when path names something a save would replace or write into: anything but a folder
bool OutputExists(const std::string& path);

// Why a save to path would be refused whatever the user answers (the file is read-only, the name
// is a folder), or none when it may go ahead; asked before asking whether to replace a file
std::error_code ReplaceRefused(const std::string& path);

}  // namespace corvane
