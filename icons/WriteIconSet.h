// Writes the icon bitmaps into a folder, leaving any different file of the same name alone unless told.
#pragma once

#include "Failure.h"

#include <string>
#include <vector>

namespace corvane::icons {

enum class WriteIconsOutcome { Written, NotReplaced, WriteFailed };

struct WriteIconsResult {
    WriteIconsOutcome outcome = WriteIconsOutcome::Written;
    std::vector<std::string> written;    // files created or replaced
    std::vector<std::string> unchanged;  // files that already held the same bytes
    std::vector<std::string> different;  // files with other bytes; NotReplaced when not to replace
    Failure failure;                     // WriteFailed: the folder not made, or the file not saved, and why
};

// Write every icon into folder dir, creating it. When a file there holds other bytes and
// replace is false, nothing is written; when a write fails, the files before it stay written.
WriteIconsResult WriteIconSet(const std::string& dir, bool replace);

// What could not be done, as both front-ends tell it: "cannot write PATH: why"
std::string WriteIconsFailure(const Failure& failure);

}  // namespace corvane::icons
