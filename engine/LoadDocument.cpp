// The run's steps in their order: names, load, question, write; each early end is an outcome.
#include "LoadDocument.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "DisplayNode.h"
#include "GpxInputs.h"
#include "IconTable.h"
#include "SaveFile.h"
#include "TextEncoder.h"
#include "WaypointLine.h"

#include <new>

namespace corvane {
namespace {

// The icon table, then one line per waypoint of every document; false when the sink failed.
bool WriteCsv(const GpxDocuments& documents, const RunOptions& options, Sink& sink, RunResult& result) {
    TextEncoder encoder(options.codePage);
    CsvWriter out(sink, encoder);
    if (options.progress) out.ReportFlushes([&](std::size_t written) { options.progress({0, written}); });
    RunSettings settings = options;
    WriteIconTable(settings, out);
    result.iconFolder = settings.iconFolder;
    // The waypoint being collected; each document is written whole before the next begins, so
    // that the texts ahead of the next one's first waypoint (its own name, its description)
    // never reach the last of this one.
    CacheRecord record;
    for (const auto& document : documents) {
        record.FirstWaypoint = true;
        DisplayNode(document->document(), record, settings, out);
        // The walk writes a waypoint when the next one begins, so the last is still pending.
        if (!record.FirstWaypoint) WriteWaypoint(record, settings, out);
    }
    result.waypoints = out.waypoints();
    result.leftOut = out.leftOut();
    result.substituted = encoder.substituted();
    result.invalidBytes = encoder.invalid();
    result.codePage = OutputCodePage(options.codePage);
    return out.Flush();
}

// The CSV into the sink the caller gave, or else into the file named by output.
bool WriteOutput(const GpxDocuments& documents, const RunOptions& options, RunResult& result) {
    if (options.sink != nullptr) return WriteCsv(documents, options, *options.sink, result);
    SaveFile file(options.output);
    if (file.open() && WriteCsv(documents, options, file, result) && file.commit()) return true;
    if (!file.reason().empty()) result.writeReason = options.output + ": " + file.reason();
    return false;
}

}  // namespace

RunResult LoadDocument(const RunOptions& options) {
    RunResult result;
    // Only the empty string counts as missing: a name made of blanks goes on to fail its load.
    if (options.inputs.empty() || options.inputs.front().empty() || options.output.empty()) {
        result.outcome = RunOutcome::NamesMissing;
        return result;
    }

    GpxDocuments documents;
    std::function<void(std::size_t)> bytesRead;
    if (options.progress) bytesRead = [&](std::size_t bytes) { options.progress({bytes, 0}); };
    bool loaded = false;
    try {
        loaded = LoadGpxInputs(options.inputs, options.input, documents, result.loadReason, bytesRead);
    } catch (const std::bad_alloc&) {
        // A document larger than the memory left is one that does not load.
        documents.clear();
        const std::string name = options.input != nullptr     ? "standard input"
                                 : options.inputs.size() == 1 ? options.inputs.front()
                                                              : "the GPX files";
        result.loadReason = name + ": out of memory";
    }
    if (!loaded) {
        result.outcome = RunOutcome::LoadFailed;
        return result;
    }

    if (options.sink == nullptr) {
        // A file that no answer would let the run replace is refused before the question.
        if (const std::string refused = ReplaceRefused(options.output); !refused.empty()) {
            result.writeReason = options.output + ": " + refused;
            result.outcome = RunOutcome::WriteFailed;
            return result;
        }
        if (OutputExists(options.output) && !(options.mayReplace && options.mayReplace(options.output))) {
            result.outcome = RunOutcome::NotReplaced;
            return result;
        }
    }
    // Running out of memory halfway fails the write; the unwinding removes the temporary file.
    bool written = false;
    try {
        written = WriteOutput(documents, options, result);
    } catch (const std::bad_alloc&) {
        result.writeReason = options.output + ": out of memory";
    }
    result.outcome = written ? RunOutcome::Written : RunOutcome::WriteFailed;
    return result;
}

}  // namespace corvane
