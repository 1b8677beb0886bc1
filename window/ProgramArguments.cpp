// The first argument is read as an option or as a file that must exist; more than one file is refused.
#include "ProgramArguments.h"

#include "Utf8Path.h"

namespace corvane {

namespace {

constexpr const char* kHelp =
    "Usage: corvane [GPX]\n"
    "Open Corvane's window to convert a GPX or zip file (a pocket query) into a Memory Map\n"
    "CSV file. GPX, when given, fills the window's GPX file box, as a file manager does.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "To convert without the window, see corvane-cli --help.\n";

}  // namespace

// A file manager names one existing file. Anything else is a mistake the user should hear of,
// not a path to put in the box: "corvane --help" once filled it with ".../--help".
ProgramArguments ReadProgramArguments(std::span<const std::string> args) {
    ProgramArguments result;
    if (args.empty()) return result;
    const std::string& arg = args[0];
    if (arg == "--help" || arg == "-h") return {ProgramAction::Help, "", kHelp};
    if (arg == "--version") return {ProgramAction::Version, "", "corvane " CORVANE_VERSION "\n"};
    if (args.size() > 1) return {ProgramAction::Refuse, "", "Corvane opens one GPX file at a time."};
    std::error_code error;
    if (!std::filesystem::is_regular_file(PathOf(arg), error)) {
        const std::string what =
            arg.starts_with('-') ? "is not an option of corvane (see corvane --help)" : "is not an existing file";
        return {ProgramAction::Refuse, "", "'" + arg + "' " + what + "."};
    }
    result.gpx = arg;
    return result;
}

}  // namespace corvane
