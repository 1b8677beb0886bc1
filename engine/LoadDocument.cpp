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

namespace corvane {
namespace {

// The icon table, then one line per waypoint; false when the sink failed.
bool WriteCsv(const GpxDocument& document, WindowToolkit& window, CacheRecord& record, Sink& sink,
              const RunOptions& options, RunResult& result) {
    TextEncoder encoder(options.codePage);
    CsvWriter out(sink, encoder);
    WriteIconTable(window, out);
    record.FirstWaypoint = true;
    DisplayNode(document.document(), record, window, out);
    // The walk writes a waypoint when the next one begins, so the last is still pending.
    if (!record.FirstWaypoint) WriteWaypoint(record, window, out);
    result.waypoints = out.waypoints();
    result.leftOut = out.leftOut();
    return out.Flush();
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
    const bool loaded =
        options.input != nullptr ? document.LoadStream(options.input) : document.LoadFile(window.txtGPX());
    if (!loaded) {
        Show(window, kMsgLoadFailed);
        result.outcome = RunOutcome::LoadFailed;
        return result;
    }

    bool proceed = true;
    if (options.output == nullptr && OutputExists(window.txtMM())) proceed = Show(window, kMsgOverwrite) == kAnswerYes;

    if (!proceed) {
        result.outcome = RunOutcome::NotReplaced;
    } else if (options.output != nullptr) {
        const bool written = WriteCsv(document, window, record, *options.output, options, result);
        result.outcome = written ? RunOutcome::Written : RunOutcome::WriteFailed;
    } else {
        SaveFile file(window.txtMM());
        const bool written = file.open() && WriteCsv(document, window, record, file, options, result) && file.commit();
        result.outcome = written ? RunOutcome::Written : RunOutcome::WriteFailed;
    }

    if (result.outcome == RunOutcome::WriteFailed) {
        // Nothing reached the file, so "Complete!" would be a lie.
        Show(window, kMsgWriteFailed);
        return result;
    }
    if (result.leftOut == 0) {
        Show(window, kMsgComplete);
    } else {
        const std::string prompt = std::string(kMsgComplete.prompt) + "\n" + LeftOutLine(result.leftOut);
        Show(window, {prompt, kMsgComplete.style, kMsgComplete.title});
    }
    return result;
}

}  // namespace corvane
