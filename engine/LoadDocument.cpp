// One conversion run, from the two file names to "Complete!".
#include "LoadDocument.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "DisplayNode.h"
#include "GpxDocument.h"
#include "IconTable.h"
#include "Messages.h"
#include "SaveFile.h"
#include "TextEncoder.h"
#include "WaypointLine.h"
#include "WindowToolkit.h"

#include <new>

namespace corvane {
namespace {

// The icon table, then one line per waypoint; false when the sink failed.
bool WriteCsv(const GpxDocument& document, WindowToolkit& window, CacheRecord& record, Sink& sink,
              const RunOptions& options, std::size_t& waypoints) {
    TextEncoder encoder(options.codePage);
    CsvWriter out(sink, encoder);
    WriteIconTable(window, out);
    record.FirstWaypoint = true;
    DisplayNode(document.document(), record, window, out);
    // The walk writes a waypoint when the next one begins, so the last is still pending.
    if (!record.FirstWaypoint) WriteWaypoint(record, window, out);
    waypoints = out.waypoints();
    return out.Flush();
}

// The CSV into the sink the caller gave, or else into the file named by txtMM.
bool WriteOutput(const GpxDocument& document, WindowToolkit& window, CacheRecord& record, const RunOptions& options,
                 std::size_t& waypoints) {
    if (options.output != nullptr) return WriteCsv(document, window, record, *options.output, options, waypoints);
    SaveFile file(window.txtMM());
    return file.open() && WriteCsv(document, window, record, file, options, waypoints) && file.commit();
}

}  // namespace

RunResult LoadDocument(WindowToolkit& window, CacheRecord& record, const RunOptions& options) {
    RunResult result;
    if (window.txtGPX().empty() || window.txtMM().empty()) {
        Show(window, kMsgNamesMissing);
        result.outcome = RunOutcome::NamesMissing;
        return result;
    }

    GpxDocument document;
    bool loaded = false;
    try {
        loaded = options.input != nullptr ? document.LoadStream(options.input) : document.LoadFile(window.txtGPX());
    } catch (const std::bad_alloc&) {
        // A document larger than the memory left is one that does not load.
        loaded = false;
    }
    if (!loaded) {
        Show(window, kMsgLoadFailed);
        result.outcome = RunOutcome::LoadFailed;
        return result;
    }

    bool proceed = true;
    if (options.output == nullptr && OutputExists(window.txtMM())) proceed = Show(window, kMsgOverwrite) == kAnswerYes;

    if (!proceed) {
        result.outcome = RunOutcome::NotReplaced;
    } else {
        // Running out of memory halfway fails the write; the unwinding removes the temporary file.
        bool written = false;
        try {
            written = WriteOutput(document, window, record, options, result.waypoints);
        } catch (const std::bad_alloc&) {
            written = false;
        }
        result.outcome = written ? RunOutcome::Written : RunOutcome::WriteFailed;
    }

    if (result.outcome == RunOutcome::WriteFailed) {
        // Nothing reached the file, so "Complete!" would be a lie.
        Show(window, kMsgWriteFailed);
        return result;
    }
    Show(window, kMsgComplete);
    return result;
}

}  // namespace corvane
