// The same protection as the command line's, then each outcome's box, its reason or what was
// written as the detail.
#include "ConvertSequence.h"

#include "GpxProtection.h"
#include "Messages.h"
#include "Utf8Path.h"

namespace corvane {
namespace {

// path made absolute from the current folder, as the save resolves it
std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(PathOf(path), error);
    return error ? path : Utf8Of(full);
}

// The lines under "Complete!": where the waypoints went, then the waypoints left out for each
// reason, the characters written as "?" and the bytes not valid in the GPX file's encoding, each
// when there are any
std::string CompleteLines(const RunResult& result, const std::string& output) {
    std::string lines = WrittenLine(result.waypoints, FullPath(output));
    if (result.leftOut != 0) lines += "\n" + LeftOutLine(result.leftOut);
    for (const std::string& line : LeftOutLines(result.leftOutBy)) lines += "\n" + line;
    if (result.substituted != 0) lines += "\n" + SubstitutedLine(result.substituted, result.codePage);
    if (result.invalidBytes != 0) lines += "\n" + InvalidBytesLine(result.invalidBytes);
    return lines;
}

BoxAnswer Show(MessageBoxView& boxes, const Message& message, BoxKind kind, const std::string& detail = {}) {
    return boxes.MsgBox(std::string(message.prompt), kind, std::string(message.title), detail);
}

}  // namespace

RunResult ProtectedRun(const RunOptions& options) {
    // Unlike -o, the CSV box does not vouch for its name: a GPX or zip name there was pasted into
    // the wrong box, or chosen in the dialog by mistake.
    std::vector<std::string> inputs;
    for (const GpxInput& input : options.inputs) inputs.push_back(input.name);
    const std::error_code refused = GpxProtection(inputs, options.output.path, false);
    return refused ? WriteFailure({Doing::Save, refused, options.output.path}) : RunConversion(options);
}

RunResult WriteFailure(Failure failure) {
    RunResult result;
    result.outcome = RunOutcome::WriteFailed;
    result.failure = std::move(failure);
    return result;
}

bool AskReplace(MessageBoxView& boxes, const std::string& path) {
    return Show(boxes, kMsgOverwrite, BoxKind::Question, FullPath(path)) == BoxAnswer::Yes;
}

void TellOutcome(MessageBoxView& boxes, const RunResult& result, const std::string& output) {
    switch (result.outcome) {
    case RunOutcome::NamesMissing:
        Show(boxes, kMsgNamesMissing, BoxKind::Warning);
        return;
    case RunOutcome::LoadFailed:
        Show(boxes, kMsgLoadFailed, BoxKind::Warning, Reason(result.failure));
        return;
    case RunOutcome::WriteFailed:
        // Nothing reached the file, so "Complete!" would be a lie.
        Show(boxes, kMsgWriteFailed, BoxKind::Warning, result.failure.cause ? Reason(result.failure) : "");
        return;
    case RunOutcome::NotReplaced:
        // "Complete!" alone told a user who had changed the hints or the name that the file had them.
        Show(boxes, kMsgComplete, BoxKind::Information, NothingWrittenLine(FullPath(output)));
        return;
    case RunOutcome::Written:
        Show(boxes, kMsgComplete, BoxKind::Information, CompleteLines(result, output));
        return;
    }
}

}  // namespace corvane
