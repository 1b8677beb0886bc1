// One conversion run, from the two file names to its outcome.
#pragma once

#include "RunSettings.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class Sink;

enum class RunOutcome {
    NamesMissing,  // a file name was empty; nothing loaded or written
    LoadFailed,    // the GPX file did not load; nothing written
    NotReplaced,   // the CSV file exists and was not to be replaced; it is unchanged
    Written,       // the CSV file holds the new output
    WriteFailed,   // the CSV file could not be written; an existing one is unchanged
};

// How far a run has got: bytes of GPX read while loading, then waypoint lines written.
struct RunProgress {
    std::size_t bytesRead = 0;
    std::size_t waypoints = 0;
};

// Everything one run reads: the settings its writers use, the files, and its hooks.
struct RunOptions : RunSettings {
    // The GPX or zip files converted into the one CSV file, in order (txtGPX)
    std::vector<std::string> inputs;
    // When set, the one GPX file is read from this stream instead of the file inputs names
    std::FILE* input = nullptr;
    // The CSV file (txtMM); named even when a sink takes the CSV
    std::string output;
    // When set, the CSV goes here instead of the file named by output, without asking
    Sink* sink = nullptr;
    // Output code page ("windows-1252", "utf-8", ...); empty or unknown: the system's default
    std::string codePage;
    // Asked, with the CSV file's path, whether the existing file may be replaced; absent: it may not
    std::function<bool(const std::string& path)> mayReplace;
    // When set, told now and then how far the run has got, on the thread that runs it
    std::function<void(const RunProgress&)> progress;
};

struct RunResult {
    RunOutcome outcome = RunOutcome::NamesMissing;
    std::size_t waypoints = 0;  // WP04 lines written
    std::size_t leftOut = 0;    // waypoints without coordinates, left out when icons follow the cache type
    // The icon folder as normalised by the icon table; set once the table was written
    std::optional<std::string> iconFolder;
    std::string loadReason;       // why the GPX file did not load ("NAME: why"), else ""
    std::string writeReason;      // why the CSV file could not be written ("NAME: why"), else ""
    std::size_t substituted = 0;  // characters the output code page lacks, written as "?"
    std::string codePage;         // the output code page's name, as the "?" line names it
    // Bytes of the GPX text not valid in UTF-8, written as "?": the file's fault, not the code page's
    std::size_t invalidBytes = 0;
};

// Check the names, load the GPX files, ask before replacing the CSV file, write it; nothing is
// shown to anyone: the result tells callers what happened
RunResult LoadDocument(const RunOptions& options);

}  // namespace corvane
