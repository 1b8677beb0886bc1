// The boxes a conversion shows in a window: the question before replacing, then how it ended.
#pragma once

#include "LoadDocument.h"
#include "MessageBoxView.h"

#include <string>

namespace corvane {

// Ask "Overwrite the existing file?" with the CSV file's full path (taken from the current folder
// when relative) as detail; true for Yes
bool AskReplace(MessageBoxView& boxes, const std::string& path);

// The box of the run's outcome: the missing names, the load failure with its reason, the write
// failure with its reason, or else "Complete!" with, under it, how many waypoints went into the
// CSV file output (by its full path) and the left-out and "?" lines if any; after a No, that
// nothing was written
void TellOutcome(MessageBoxView& boxes, const RunResult& result, const std::string& output);

}  // namespace corvane
