// One conversion run, from the two file names to "Complete!".
#include "LoadDocument.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "DisplayNode.h"
#include "GpxInputs.h"
#include "IconTable.h"
#include "Messages.h"
#include "SaveFile.h"
#include "TextEncoder.h"
#include "WaypointLine.h"
#include "WindowToolkit.h"

#include <new>

namespace corvane {
namespace {

// The icon table, then one line per waypoint of every document; false when the sink failed.
bool WriteCsv(const GpxDocuments& documents, WindowToolkit& window, CacheRecord& record, Sink& sink,
              const RunOptions& options, RunResult& result) {
    TextEncoder encoder(options.codePage);
    CsvWriter out(sink, encoder);
    if (options.progress) out.ReportFlushes([&](std::size_t written) { options.progress({0, written}); });
    WriteIconTable(window, out);
    // Each document is written whole before the next begins, so that the texts ahead of the
    // next one's first waypoint (its own name, its description) never reach the last of this one.
    for (const auto& document : documents) {
        record.FirstWaypoint = true;
        DisplayNode(document->document(), record, window, out);
        // The walk writes a waypoint when the next one begins, so the last is still pending.
        if (!record.FirstWaypoint) WriteWaypoint(record, window, out);
    }
    result.waypoints = out.waypoints();
    result.leftOut = out.leftOut();
    result.substituted = encoder.substituted();
    return out.Flush();
}

// The CSV into the sink the caller gave, or else into the file named by txtMM.
bool WriteOutput(const GpxDocuments& documents, WindowToolkit& window, CacheRecord& record, const RunOptions& options,
                 RunResult& result) {
    if (options.output != nullptr) return WriteCsv(documents, window, record, *options.output, options, result);
    SaveFile file(window.txtMM());
    if (file.open() && WriteCsv(documents, window, record, file, options, result) && file.commit()) return true;
    if (!file.reason().empty()) result.writeReason = window.txtMM() + ": " + file.reason();
    return false;
}

}  // namespace

RunResult LoadDocument(WindowToolkit& window, CacheRecord& record, const RunOptions& options) {
    RunResult result;
    if (window.txtGPX().empty() || window.txtMM().empty()) {
        Show(window, kMsgNamesMissing);
        result.outcome = RunOutcome::NamesMissing;
        return result;
    }

    GpxDocuments documents;
    const std::vector<std::string> inputs = options.inputs.empty() ? std::vector{window.txtGPX()} : options.inputs;
    std::function<void(std::size_t)> bytesRead;
    if (options.progress) bytesRead = [&](std::size_t bytes) { options.progress({bytes, 0}); };
    bool loaded = false;
    try {
        loaded = LoadGpxInputs(inputs, options.input, documents, result.reason, bytesRead);
    } catch (const std::bad_alloc&) {
        // A document larger than the memory left is one that does not load.
        documents.clear();
        const std::string name = options.input != nullptr ? "standard input"
                                 : inputs.size() == 1     ? inputs.front()
                                                          : "the GPX files";
        result.reason = name + ": out of memory";
    }
    if (!loaded) {
        Show(window, kMsgLoadFailed, result.reason);
        result.outcome = RunOutcome::LoadFailed;
        return result;
    }

    // A file that no answer would let the run replace is refused before the question.
    const std::string refused = options.output == nullptr ? ReplaceRefused(window.txtMM()) : "";
    bool proceed = refused.empty();
    if (proceed && options.output == nullptr && OutputExists(window.txtMM()))
        proceed = Show(window, kMsgOverwrite) == kAnswerYes;

    if (!refused.empty()) {
        result.writeReason = window.txtMM() + ": " + refused;
        result.outcome = RunOutcome::WriteFailed;
    } else if (!proceed) {
        result.outcome = RunOutcome::NotReplaced;
    } else {
        // Running out of memory halfway fails the write; the unwinding removes the temporary file.
        bool written = false;
        try {
            written = WriteOutput(documents, window, record, options, result);
        } catch (const std::bad_alloc&) {
            written = false;
            result.writeReason = window.txtMM() + ": out of memory";
        }
        result.outcome = written ? RunOutcome::Written : RunOutcome::WriteFailed;
    }

    if (result.outcome == RunOutcome::WriteFailed) {
        // Nothing reached the file, so "Complete!" would be a lie.
        if (result.writeReason.empty())
            Show(window, kMsgWriteFailed);
        else
            Show(window, kMsgWriteFailed, result.writeReason);
        return result;
    }
    if (result.leftOut == 0 && result.substituted == 0) {
        Show(window, kMsgComplete);
    } else {
        std::string prompt(kMsgComplete.prompt);
        if (result.leftOut != 0) prompt += "\n" + LeftOutLine(result.leftOut);
        if (result.substituted != 0)
            prompt += "\n" + SubstitutedLine(result.substituted, OutputCodePage(options.codePage));
        Show(window, {prompt, kMsgComplete.style, kMsgComplete.title});
    }
    return result;
}

}  // namespace corvane
