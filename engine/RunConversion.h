// One conversion run, from its inputs and output to its outcome.
#pragma once

#include "Failure.h"
#include "GpxInputs.h"
#include "RunSettings.h"
#include "WaypointFilter.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class Sink;

enum class RunOutcome {
    NamesMissing,  // the first input or the output has no name; nothing loaded or written
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

// Where the CSV goes: into sink when one is given, without asking, else into the file at path
struct CsvOutput {
    std::string path;  // txtMM
    Sink* sink = nullptr;
};

// Everything one run reads: the settings its writers use, the files, and its hooks.
struct RunOptions : RunSettings {
    // The GPX or zip files converted into the one CSV file, in order (txtGPX)
    std::vector<GpxInput> inputs;
    CsvOutput output;
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
    LeftOutCounts leftOutBy{};  // waypoints the filter left out, by LeftOutBy
    // Every file read, as named: the inputs, each pocket query's waypoints file after its caches file
    std::vector<std::string> filesRead;
    // The icon folder as the icon lines name it; set once the table was written
    std::optional<std::string> iconFolder;
    // LoadFailed, WriteFailed: why; no cause when a sink failed without saying why
    Failure failure;
    std::size_t substituted = 0;  // characters the output code page lacks, written as "?"
    std::string codePage;         // the code page the CSV was written in, as the "?" line names it
    // Bytes of the GPX text not valid in UTF-8, written as "?": the file's fault, not the code page's
    std::size_t invalidBytes = 0;
};

// Check the names, load the GPX files, ask before replacing the CSV file, write it; nothing is
// shown to anyone: the result tells callers what happened
RunResult RunConversion(const RunOptions& options);

}  // namespace corvane
