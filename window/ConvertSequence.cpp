// Each outcome's box, its reason or what was written as the detail.
#include "ConvertSequence.h"

#include "Messages.h"

#include <filesystem>

namespace corvane {
namespace {

// path made absolute from the current folder, as the save resolves it
std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(std::u8string(path.begin(), path.end()), error);
    if (error) return path;
    const std::u8string text = full.u8string();
    return std::string(text.begin(), text.end());
}

// The lines under "Complete!": where the waypoints went, then the waypoints left out and the
// characters written as "?", each when there are any
std::string CompleteLines(const RunResult& result, const std::string& output) {
    std::string lines = WrittenLine(result.waypoints, FullPath(output));
    if (result.leftOut != 0) lines += "\n" + LeftOutLine(result.leftOut);
    if (result.substituted != 0) lines += "\n" + SubstitutedLine(result.substituted, result.codePage);
    return lines;
}

int Show(MessageBoxView& boxes, const Message& message, const std::string& detail = {}) {
    return boxes.MsgBox(std::string(message.prompt), message.style, std::string(message.title), detail);
}

}  // namespace

bool AskReplace(MessageBoxView& boxes, const std::string& path) {
    return Show(boxes, kMsgOverwrite, FullPath(path)) == kAnswerYes;
}

void TellOutcome(MessageBoxView& boxes, const RunResult& result, const std::string& output) {
    switch (result.outcome) {
    case RunOutcome::NamesMissing:
        Show(boxes, kMsgNamesMissing);
        return;
    case RunOutcome::LoadFailed:
        Show(boxes, kMsgLoadFailed, result.loadReason);
        return;
    case RunOutcome::WriteFailed:
        // Nothing reached the file, so "Complete!" would be a lie.
        Show(boxes, kMsgWriteFailed, result.writeReason);
        return;
    case RunOutcome::NotReplaced:
        // "Complete!" alone told a user who had changed the hints or the name that the file had them.
        Show(boxes, kMsgComplete, NothingWrittenLine(FullPath(output)));
        return;
    case RunOutcome::Written:
        Show(boxes, kMsgComplete, CompleteLines(result, output));
        return;
    }
}

}  // namespace corvane
