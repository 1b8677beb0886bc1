// Replaces a file only once its new contents are completely on disk. One implementation per
// platform (posix/, windows/); paths are UTF-8.
#pragma once

#include "Sink.h"

#include <string>

namespace corvane {

// The new contents go to a temporary file beside the target, which commit() renames over
// it. Until then, and whenever anything fails or the program is ended by a signal, the target
// keeps its old contents and the temporary file is removed. A target the user may not write
// is never replaced. A target that exists but is no regular file (a device such as /dev/null,
// a pipe) is written in place, since it cannot be replaced by renaming; so is a writable file
// where no temporary file can be created, its new contents held in memory until commit().
class SaveFile : public Sink {
public:
    explicit SaveFile(std::string path);
    ~SaveFile() override;
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // Create the temporary file (or open the device); false when that is not possible
    bool open();
    bool write(const char* data, std::size_t size) override;
    // Flush, close and move the new contents into place; false when any step failed
    bool commit();

private:
    void discard();

    std::string target_;
    std::string temp_;  // empty when writing in place
    int fd_ = -1;       // the file being written: a POSIX or a C runtime descriptor
    bool failed_ = false;
    bool buffered_ = false;  // writing in place: the contents wait in pending_ for commit()
    std::string pending_;
};

// True when path names something a save would replace or write into: anything but a folder
bool OutputExists(const std::string& path);

}  // namespace corvane
