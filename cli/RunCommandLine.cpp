// Runs one conversion through the engine and turns its outcome into output and an exit status.
#include "RunCommandLine.h"

#include "CommandLine.h"
#include "Console.h"
#include "GpxProtection.h"
#include "Messages.h"
#include "ProgressLine.h"
#include "ReplaceQuestion.h"
#include "RunConversion.h"
#include "Sink.h"
#include "WriteIconSet.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {
namespace {

// Print the reason and where to find help; returns the usage exit status
int UsageError(const std::string& reason) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", kProgramName, reason.c_str(), kProgramName);
    return kExitUsage;
}

// The exit status that tells how the run ended
int ExitStatus(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Written:
        return kExitWritten;
    case RunOutcome::NamesMissing:
        return kExitUsage;
    case RunOutcome::LoadFailed:
        return kExitLoadFailed;
    case RunOutcome::NotReplaced:
        return kExitNotReplaced;
    case RunOutcome::WriteFailed:
        return kExitWriteFailed;
    }
    return kExitWriteFailed;
}

// True when the CSV file must not be written, being a GPX or zip file or one of the inputs;
// standard input and output are no files to keep
bool GpxProtected(const CommandLine& commandLine) {
    if (commandLine.csv == kStandardStream) return false;
    std::vector<std::string> files = commandLine.inputs;
    std::erase(files, kStandardStream);
    return static_cast<bool>(GpxProtection(files, commandLine.csv, commandLine.outputNamed));
}

// Write the icon set into the folder, list what was written and say what was left alone
int WriteIcons(const CommandLine& commandLine) {
    using icons::WriteIconsOutcome;
    const icons::WriteIconsResult result = icons::WriteIconSet(commandLine.writeIconsFolder, commandLine.force);
    if (result.outcome == WriteIconsOutcome::NotReplaced) {
        for (const std::string& path : result.different)
            std::fprintf(stderr, "%s: %s differs\n", kProgramName, path.c_str());
        std::fprintf(stderr, "%s: nothing written; --force replaces the %zu different file%s\n", kProgramName,
                     result.different.size(), result.different.size() == 1 ? "" : "s");
        return kExitNotReplaced;
    }
    if (!commandLine.quiet) {
        for (const std::string& path : result.written) std::printf("%s\n", path.c_str());
    }
    if (result.outcome == WriteIconsOutcome::WriteFailed) {
        std::fprintf(stderr, "%s: %s\n", kProgramName, icons::WriteIconsFailure(result.failure).c_str());
        return kExitWriteFailed;
    }
    if (!commandLine.quiet) {
        std::printf("%zu icon%s written to %s, %zu already there\n", result.written.size(),
                    result.written.size() == 1 ? "" : "s", commandLine.writeIconsFolder.c_str(),
                    result.unchanged.size());
    }
    return kExitWritten;
}

}  // namespace

int RunCommandLine(std::span<const std::string> args) {
    ParseResult parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) return UsageError(parsed.error);
    const CommandLine& commandLine = parsed.commandLine;
    if (commandLine.action == Action::Help) {
        std::fputs(UsageText().c_str(), stdout);
        return kExitWritten;
    }
    if (commandLine.action == Action::Version) {
        std::printf("%s %s\n", kProgramName, CORVANE_VERSION);
        return kExitWritten;
    }
    if (commandLine.action == Action::WriteIcons) return WriteIcons(commandLine);
    if (GpxProtected(commandLine))
        return UsageError("'" + commandLine.csv +
                          "' is a GPX or zip file, not a CSV file to write; name the CSV file with -o CSV");

    const bool fromStdin = commandLine.gpx == kStandardStream;
    const bool toStdout = commandLine.csv == kStandardStream;
    // Standard input carrying the GPX cannot also carry the answer to a question.
    const bool terminal = !fromStdin && IsTerminal(stdin) && IsTerminal(stderr);
    DescriptorSink standardOutput(StandardOutputDescriptor());
    RunOptions options;
    static_cast<RunSettings&>(options) = commandLine.settings;
    for (const std::string& input : commandLine.inputs)
        options.inputs.push_back(input == kStandardStream ? GpxInput{"standard input", stdin} : GpxInput{input});
    if (toStdout)
        options.output.sink = &standardOutput;
    else
        options.output.path = commandLine.csv;
    options.codePage = commandLine.codePage;
    // Progress is for a person watching a terminal; a log or a pipe gets none.
    std::optional<ProgressLine> progress;
    if (!commandLine.quiet && IsTerminal(stderr)) {
        progress.emplace(stderr);
        options.progress = [&](const RunProgress& p) { progress->Show(ProgressText(p.bytesRead, p.waypoints)); };
    }
    options.mayReplace = [&](const std::string& path) {
        if (progress) progress->Clear();
        return MayReplace(path, commandLine.force, terminal, stdin, stderr);
    };

    const RunResult result = RunConversion(options);
    if (progress) progress->Clear();
    switch (result.outcome) {
    case RunOutcome::NamesMissing:
        std::fprintf(stderr, "%s\nTry '%s --help'.\n", std::string(kMsgNamesMissing.prompt).c_str(), kProgramName);
        break;
    case RunOutcome::LoadFailed:
        std::fprintf(stderr, "%s\n%s: %s\n", std::string(kMsgLoadFailed.prompt).c_str(), kProgramName,
                     Reason(result.failure).c_str());
        break;
    case RunOutcome::WriteFailed: {
        std::fprintf(stderr, "%s\n", std::string(kMsgWriteFailed.prompt).c_str());
        // Standard output has no path; the reason names it as the user did.
        Failure failure = result.failure;
        if (failure.path.empty()) failure.path = commandLine.csv;
        if (failure.cause) std::fprintf(stderr, "%s: %s\n", kProgramName, Reason(failure).c_str());
        break;
    }
    case RunOutcome::NotReplaced:
        break;
    case RunOutcome::Written: {
        if (commandLine.quiet) break;
        // A CSV on standard output must not have the report mixed into it.
        std::FILE* report = toStdout ? stderr : stdout;
        const std::string destination = toStdout ? "standard output" : commandLine.csv;
        std::fprintf(report, "%s\n", std::string(kMsgComplete.prompt).c_str());
        for (const std::string& file : result.filesRead) std::fprintf(report, "Read %s\n", file.c_str());
        std::fprintf(report, "%s\n", WrittenLine(result.waypoints, destination).c_str());
        if (result.leftOut != 0) std::fprintf(report, "%s\n", LeftOutLine(result.leftOut).c_str());
        for (const std::string& line : LeftOutLines(result.leftOutBy)) std::fprintf(report, "%s\n", line.c_str());
        break;
    }
    }
    // Text lost to the code page or to the GPX file's bytes is a warning, not part of the report that --quiet silences.
    if (result.outcome == RunOutcome::Written && result.substituted != 0) {
        const std::string line = SubstitutedLine(result.substituted, result.codePage);
        std::fprintf(stderr, "%s: %s\n", kProgramName, line.c_str());
    }
    if (result.outcome == RunOutcome::Written && result.invalidBytes != 0)
        std::fprintf(stderr, "%s: %s\n", kProgramName, InvalidBytesLine(result.invalidBytes).c_str());
    return ExitStatus(result.outcome);
}

}  // namespace corvane::cli
