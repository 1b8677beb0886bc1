// The arguments of corvane-cli: what they ask for, how they are read, and the help text.
#pragma once

#include "IconTable.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::cli {

inline constexpr char kProgramName[] = "corvane-cli";
// The file name that stands for standard input (as GPX) or standard output (as CSV)
inline constexpr std::string_view kStandardStream = "-";

enum class Action { Convert, WriteIcons, Help, Version };

// Everything one invocation asks for; the texts become the window's controls.
struct CommandLine {
    Action action = Action::Convert;
    std::string gpx;                             // the first GPX file; "-": standard input
    std::vector<std::string> inputs;             // every GPX or zip file, gpx first
    std::string csv;                             // "-": standard output; derived from gpx when not given
    bool outputNamed = false;                    // csv came from -o, so every file name is an input
    std::string csvIconFolder = kDefaultIconPath;  // the icon folder the CSV lines name
    std::string writeIconsFolder;                // WriteIcons: where the icon bitmaps go
    std::string name;
    bool hints = false;
    bool linkWebsite = false;  // false: the CacheMate link
    bool kindsByType = false;  // false: icons by container
    std::string codePage;      // canonical name; empty: the system's default
    bool force = false;
    bool quiet = false;
};

struct ParseResult {
    CommandLine commandLine;
    std::string error;  // one-line reason when the arguments are unusable, else ""
};

// Read the arguments that follow the program name
ParseResult ParseCommandLine(std::span<const std::string> args);

// The text --help prints: synopsis, options, encoding default, progress and exit statuses
std::string UsageText();

struct OptionName {
    std::string_view name;       // without the leading "--"
    std::string_view valueName;  // "" for an option without a value
};

// Every long option, in the order --help lists them; the manual page is checked against this
std::vector<OptionName> OptionNames();

}  // namespace corvane::cli
