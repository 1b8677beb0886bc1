// The run's steps in their order: names, load, question, write; each early end is an outcome.
#include "RunConversion.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "GpxInputs.h"
#include "GpxWalk.h"
#include "IconTable.h"
#include "SaveFile.h"
#include "TextEncoder.h"
#include "WaypointFilter.h"
#include "WaypointLine.h"

#include <new>

namespace corvane {
namespace {

// Hand every waypoint of every document to collected, in order, each document a file of the filter's
void EachWaypoint(const GpxDocuments& documents, const RunSettings& settings, WaypointFilter& filter,
                  const CollectedWaypoint& collected) {
    // The waypoint being collected; each document is walked whole before the next begins, so
    // that the texts ahead of the next one's first waypoint (its own name, its description)
    // never reach the last of this one.
    CacheRecord record;
    for (const auto& document : documents) {
        filter.NextFile();
        record.FirstWaypoint = true;
        WalkGpx(document->document(), record, settings, collected);
        // The walk hands a waypoint on when the next one begins, so the last is still pending.
        if (!record.FirstWaypoint) collected(record);
    }
}

// The icon table, then one line per waypoint of every document that the filter keeps; false when
// the sink failed.
bool WriteCsv(const GpxDocuments& documents, const RunOptions& options, Sink& sink, RunResult& result) {
    TextEncoder encoder(options.codePage);
    CsvWriter out(sink, encoder);
    if (options.progress) out.ReportFlushes([&](std::size_t written) { options.progress({0, written}); });
    result.iconFolder = WriteIconTable(options, out);
    WaypointFilter filter(options);
    if (filter.LeavesCachesOut()) {
        EachWaypoint(documents, options, filter, [&](const CacheRecord& record) { filter.Learn(record); });
        filter.Rewind();
    }
    EachWaypoint(documents, options, filter, [&](const CacheRecord& record) {
        if (const auto why = filter.Judge(record))
            ++result.leftOutBy[static_cast<std::size_t>(*why)];
        else
            WriteWaypoint(record, options, out);
    });
    result.waypoints = out.waypoints();
    result.leftOut = out.leftOut();
    result.substituted = encoder.substituted();
    // The encoder falls back to windows-1252 where the system cannot convert into the code page asked for.
    result.codePage = encoder.codePage();
    result.invalidBytes = encoder.invalid();
    return out.Flush();
}

// The CSV into the sink the caller gave, or else into the file at the output's path.
bool WriteOutput(const GpxDocuments& documents, const RunOptions& options, RunResult& result) {
    if (options.output.sink != nullptr) return WriteCsv(documents, options, *options.output.sink, result);
    SaveFile file(options.output.path);
    if (file.open() && WriteCsv(documents, options, file, result) && file.commit()) return true;
    result.failure = {Doing::Save, file.error(), options.output.path};
    return false;
}

}  // namespace

RunResult RunConversion(const RunOptions& options) {
    RunResult result;
    // Only the empty string counts as missing: a name made of blanks goes on to fail its load.
    // A sink needs no name.
    const CsvOutput& output = options.output;
    if (options.inputs.empty() || options.inputs.front().name.empty() ||
        (output.sink == nullptr && output.path.empty())) {
        result.outcome = RunOutcome::NamesMissing;
        return result;
    }

    GpxDocuments documents;
    std::function<void(std::size_t)> bytesRead;
    if (options.progress) bytesRead = [&](std::size_t bytes) { options.progress({bytes, 0}); };
    bool loaded = false;
    try {
        loaded = LoadGpxInputs(options.inputs, documents, result.filesRead, result.failure, bytesRead);
    } catch (const std::bad_alloc&) {
        // A document larger than the memory left is one that does not load.
        documents.clear();
        const std::string name = options.inputs.size() == 1 ? options.inputs.front().name : "the GPX files";
        result.failure = {Doing::Read, std::make_error_code(std::errc::not_enough_memory), name};
    }
    if (!loaded) {
        result.outcome = RunOutcome::LoadFailed;
        return result;
    }

    if (output.sink == nullptr) {
        // A file that no answer would let the run replace is refused before the question.
        if (const std::error_code refused = ReplaceRefused(output.path)) {
            result.failure = {Doing::Save, refused, output.path};
            result.outcome = RunOutcome::WriteFailed;
            return result;
        }
        if (OutputExists(output.path) && !(options.mayReplace && options.mayReplace(output.path))) {
            result.outcome = RunOutcome::NotReplaced;
            return result;
        }
    }
    // Running out of memory halfway fails the write; the unwinding removes the temporary file.
    bool written = false;
    try {
        written = WriteOutput(documents, options, result);
    } catch (const std::bad_alloc&) {
        result.failure = {Doing::Save, std::make_error_code(std::errc::not_enough_memory), output.path};
    }
    result.outcome = written ? RunOutcome::Written : RunOutcome::WriteFailed;
    return result;
}

}  // namespace corvane
