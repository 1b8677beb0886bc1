// Each outcome's box, its reason as the detail, and "Complete!" with its left-out line.
#include "ConvertSequence.h"

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

// The lines under "Complete!": the waypoints left out and the characters written as "?", each when there are any
std::string CompleteLines(const RunResult& result) {
    std::string lines;
    if (result.leftOut != 0) lines += "\n" + LeftOutLine(result.leftOut);
    if (result.substituted != 0) lines += "\n" + SubstitutedLine(result.substituted, result.codePage);
    return lines;
}

int Show(MessageBoxView& boxes, const Message& message, const std::string& detail = {},
         const std::string& moreLines = {}) {
    const std::string prompt = std::string(message.prompt) + moreLines;
    return boxes.MsgBox(prompt, message.style, std::string(message.title), detail);
}

}  // namespace

bool AskReplace(MessageBoxView& boxes, const std::string& path) {
    return Show(boxes, kMsgOverwrite, FullPath(path)) == kAnswerYes;
}

void TellOutcome(MessageBoxView& boxes, const RunResult& result) {
    switch (result.outcome) {
    case RunOutcome::NamesMissing:
        Show(boxes, kMsgNamesMissing);
        return;
    case RunOutcome::LoadFailed:
        Show(boxes, kMsgLoadFailed, Reason(result.failure));
        return;
    case RunOutcome::WriteFailed:
        // Nothing reached the file, so "Complete!" would be a lie.
        Show(boxes, kMsgWriteFailed, result.failure.cause ? Reason(result.failure) : "");
        return;
    case RunOutcome::NotReplaced:
    case RunOutcome::Written:
        Show(boxes, kMsgComplete, {}, CompleteLines(result));
        return;
    }
}

}  // namespace corvane
