// One conversion run, from the two file names to "Complete!".
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

class Sink;
class WindowToolkit;
struct CacheRecord;

enum class RunOutcome {
    NamesMissing,  // a file name was empty; nothing loaded or written
    LoadFailed,    // the GPX file did not load; nothing written
    NotReplaced,   // the CSV file exists and the user answered No; it is unchanged
    Written,       // the CSV file holds the new output
    WriteFailed,   // the CSV file could not be written; an existing one is unchanged
};

struct RunResult {
    RunOutcome outcome = RunOutcome::NamesMissing;
    std::size_t waypoints = 0;  // WP04 lines written
    std::size_t leftOut = 0;    // waypoints without coordinates, left out when icons follow the cache type
    std::string reason;         // why the GPX file did not load ("NAME: why"), else ""
    std::string writeReason;    // why the CSV file could not be written ("NAME: why"), else ""
    // Characters the output code page lacks, written as "?"
    std::size_t substituted = 0;
};

// How far a run has got: bytes of GPX read while loading, then waypoint lines written.
struct RunProgress {
    std::size_t bytesRead = 0;
    std::size_t waypoints = 0;
};

struct RunOptions {
    // Output code page ("windows-1252", "utf-8", ...); empty or unknown: the system's default
    std::string codePage;
    // When set, the GPX is read from this stream instead of the file named by txtGPX
    std::FILE* input = nullptr;
    // When set, the CSV goes to this sink instead of the file named by txtMM, without asking
    Sink* output = nullptr;
    // The GPX or zip files converted into the one CSV file, in order; empty: the file named by txtGPX
    std::vector<std::string> inputs;
    // When set, told now and then how far the run has got, on the thread that runs it
    std::function<void(const RunProgress&)> progress;
};

// Check the names, load the GPX file, ask before replacing the CSV file, write it and
// report through the window's message boxes; the outcome tells callers what happened
RunResult LoadDocument(WindowToolkit& window, CacheRecord& record, const RunOptions& options = {});

}  // namespace corvane
