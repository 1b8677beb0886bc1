// A conversion in a window: the run, kept from the user's GPX and zip files; the question before
// replacing, then the box of how it ended.
#pragma once

#include "MessageBoxView.h"
#include "RunConversion.h"

#include <string>

namespace corvane {

// RunConversion, unless the CSV file named is a GPX or zip file, or the GPX file itself: then the
// write failure with why, before any question and with nothing written
RunResult ProtectedRun(const RunOptions& options);

// The outcome of a run that stopped for failure before the CSV file was written
RunResult WriteFailure(Failure failure);

// Ask "Overwrite the existing file?" with the CSV file's full path (taken from the current folder
// when relative) as detail; true for Yes
bool AskReplace(MessageBoxView& boxes, const std::string& path);

// The box of the run's outcome: the missing names, the load failure with its reason, the write
// failure with its reason, or else "Complete!" with, under it, how many waypoints went into the
// CSV file output (by its full path) and the left-out, "?" and invalid-byte lines if any; after a
// No, that nothing was written
void TellOutcome(MessageBoxView& boxes, const RunResult& result, const std::string& output);

}  // namespace corvane
