// Reading corvane-cli's arguments, driven by its own options and the option table, which also write the help.
#include "CommandLine.h"

#include "Console.h"
#include "Failure.h"
#include "OptionList.h"
#include "OptionTable.h"
#include "OutputName.h"
#include "OwnName.h"
#include "TextEncoder.h"
#include "Utf8Path.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace corvane::cli {
namespace {

// One option: its name, what the help shows for it, and how it is stored.
struct Option {
    std::string_view name;       // as typed, without the leading "--"
    std::string_view valueName;  // shown in the help; "" for an option without a value
    std::string_view help;
    // Store the option in the command line; returns a reason when the value is unusable
    std::string (*apply)(CommandLine& commandLine, std::string_view value);
    const OptionRow* row = nullptr;  // an option of the option table, stored by StoreRow instead
};

// The options of the command line's own: the output before the option table's, the rest after them.
// clang-format off
constexpr auto kOutputOptions = std::to_array<Option>({
    {"output", "CSV", "also -o CSV; every GPX and zip file named goes into CSV",
     [](CommandLine& c, std::string_view v) { c.csv = v; c.outputNamed = true; return std::string(); }},
});
constexpr auto kOtherOptions = std::to_array<Option>({
    {"encoding", "NAME", "code page of the CSV file: windows-1250 ... windows-1258 or utf-8",
     [](CommandLine& c, std::string_view v) {
         c.codePage = CanonicalCodePage(v);
         if (c.codePage.empty()) return "unknown encoding '" + std::string(v) + "'";
         return std::string();
     }},
    {"write-icons", "DIR", "write the icon bitmaps into DIR, creating it, instead of converting",
     [](CommandLine& c, std::string_view v) {
         c.action = Action::WriteIcons;
         c.writeIconsFolder = v;
         return std::string();
     }},
    {"force", "", "replace an existing CSV file (or different icon files) without asking",
     [](CommandLine& c, std::string_view) { c.force = true; return std::string(); }},
    {"quiet", "", "print nothing when the conversion succeeds",
     [](CommandLine& c, std::string_view) { c.quiet = true; return std::string(); }},
    {"help", "", "print this help and exit",
     [](CommandLine& c, std::string_view) { c.action = Action::Help; return std::string(); }},
    {"version", "", "print the version and exit",
     [](CommandLine& c, std::string_view) { c.action = Action::Version; return std::string(); }},
});
// clang-format on

// Every option, in the order --help lists them
std::vector<Option> Options() {
    std::vector<Option> options(kOutputOptions.begin(), kOutputOptions.end());
    for (const OptionRow& row : kOptionTable) {
        if (OptionHead(row)) options.push_back({row.name, row.valueName, row.help, nullptr, &row});
    }
    options.insert(options.end(), kOtherOptions.begin(), kOtherOptions.end());
    return options;
}

// The items of row's list for a refusal: "found, own or unavailable"
std::string ListItems(const OptionRow& row) {
    const std::span<const OptionRow> rows = ListRows(row);
    std::string items;
    for (std::size_t i = 0; i < rows.size(); ++i)
        items += std::string(i == 0 ? "" : i + 1 == rows.size() ? " or " : ", ") + std::string(rows[i].item);
    return items;
}

// Store an option of the option table: a text as given, a flag as yes, a choice as its word says,
// a list's items as the list names them; returns a reason when the value is none of the choice's
// words or names no item of the list
std::string StoreRow(const OptionRow& row, RunSettings& settings, std::string_view value) {
    if (!row.item.empty()) {
        const std::optional<std::string> unknown = ReadList(row, value, settings);
        if (!unknown) return {};
        return "--" + std::string(row.name) + " takes " + ListItems(row) + ", separated by commas, not '" + *unknown +
               "'";
    }
    if (row.text) {
        settings.*row.text = row.trimmed ? TrimmedName(value) : value;
        return {};
    }
    if (row.valueName.empty()) {
        settings.*row.yes = true;
        return {};
    }
    for (const OptionWord& word : row.words) {
        if (value != word.word) continue;
        settings.*row.yes = word.value;
        return {};
    }
    return "--" + std::string(row.name) + " takes " + std::string(row.words[0].word) + " or " +
           std::string(row.words[1].word) + ", not '" + std::string(value) + "'";
}

// The help's lines fit a terminal of 80 columns; an option's text starts in this column.
constexpr std::size_t kHelpWidth = 80;
constexpr std::size_t kHelpIndent = 21;

// The line broken at blanks into lines of at most kHelpWidth columns, each but the first
// indented by indent blanks, each ended by a newline
std::string Wrapped(std::string_view text, std::size_t indent) {
    std::string wrapped, line(text);
    while (line.size() > kHelpWidth) {
        std::size_t cut = line.rfind(' ', kHelpWidth);
        if (cut == std::string::npos || cut <= indent) cut = line.find(' ', kHelpWidth);
        if (cut == std::string::npos) break;
        wrapped += line.substr(0, cut) + "\n";
        line = std::string(indent, ' ') + line.substr(cut + 1);
    }
    return wrapped + line + "\n";
}

// The option called name, or nullptr when there is none
const Option* FindOption(const std::vector<Option>& options, std::string_view name) {
    auto it = std::find_if(options.begin(), options.end(), [&](const Option& o) { return o.name == name; });
    return it == options.end() ? nullptr : &*it;
}

}  // namespace

ParseResult ParseCommandLine(std::span<const std::string> args) {
    const std::vector<Option> options = Options();
    ParseResult result;
    CommandLine& commandLine = result.commandLine;
    std::vector<std::string_view> names;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg == kStandardStream || !arg.starts_with('-')) {
            names.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::size_t equals = arg.find('=');
        const Option* option = arg == "-o"             ? FindOption(options, "output")
                               : arg.starts_with("--") ? FindOption(options, arg.substr(2, equals - 2))
                                                       : nullptr;
        if (!option) {
            result.error = "unknown option '" + std::string(arg.substr(0, equals)) + "'";
            return result;
        }
        std::string_view value;
        if (option->valueName.empty()) {
            if (equals != std::string_view::npos) {
                result.error = "--" + std::string(option->name) + " takes no value";
                return result;
            }
        } else if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = "--" + std::string(option->name) + " needs a value";
            return result;
        }
        result.error =
            option->row ? StoreRow(*option->row, commandLine.settings, value) : option->apply(commandLine, value);
        // Help and version are answered at once, whatever follows them.
        if (!result.error.empty() || commandLine.action == Action::Help || commandLine.action == Action::Version)
            return result;
    }

    if (commandLine.action == Action::WriteIcons) {
        if (!names.empty())
            result.error = "--write-icons takes no file names, but '" + std::string(names[0]) + "' was given";
    } else if (names.empty()) {
        result.error = "no GPX file given";
    } else if (commandLine.outputNamed) {
        commandLine.inputs.assign(names.begin(), names.end());
        commandLine.gpx = names[0];
        if (names.size() > 1 && std::find(names.begin(), names.end(), kStandardStream) != names.end())
            result.error = "standard input can only be read as the one GPX file";
    } else if (names.size() > 2) {
        result.error = "too many file names, starting with '" + std::string(names[2]) +
                       "'; to convert them all into one, name the CSV file with -o CSV";
    } else {
        commandLine.gpx = names[0];
        commandLine.inputs = {commandLine.gpx};
        if (names.size() == 2) {
            commandLine.csv = names[1];
        } else if (commandLine.gpx == kStandardStream) {
            commandLine.csv = kStandardStream;
        } else if (auto csv = OutputName(commandLine.gpx)) {
            commandLine.csv = *csv;
        } else if (std::error_code error; std::filesystem::is_directory(PathOf(commandLine.gpx), error)) {
            // A folder names no CSV file either, but that is not what is wrong with it.
            result.error =
                commandLine.gpx + ": " + Words({Doing::Read, std::make_error_code(std::errc::is_a_directory)});
        } else {
            result.error = "cannot make a CSV file name from '" + commandLine.gpx + "'; please give one";
        }
    }
    return result;
}

std::string UsageText() {
    std::string text = "Usage: " + std::string(kProgramName) +
                       " [options] GPX [CSV]\n"
                       "       " +
                       std::string(kProgramName) +
                       " [options] -o CSV GPX...\n"
                       "       " +
                       std::string(kProgramName) +
                       " [--force] [--quiet] --write-icons DIR\n"
                       "Convert GPX files into a Memory Map CSV file, or write the icon bitmaps that\n"
                       "its icon lines name.\n"
                       "\n"
                       "  GPX  the GPX file to read; - reads standard input. A zip file (a pocket\n"
                       "       query) gives every GPX file in it, each caches file before its -wpts file\n"
                       "  CSV  the CSV file to write; - writes standard output. Without it: the GPX\n"
                       "       name with its extension replaced by \"csv\" (a.gpx gives a.csv), or\n"
                       "       standard output when GPX is -. A GPX or zip file is never taken as CSV\n"
                       "\n"
                       "Options (--option=value works too; -- ends the options):\n";
    for (const Option& option : Options()) {
        std::string left = "  --" + std::string(option.name);
        if (!option.valueName.empty()) left += " " + std::string(option.valueName);
        left.resize(std::max<std::size_t>(left.size() + 1, kHelpIndent), ' ');
        text += Wrapped(left + std::string(option.help), kHelpIndent);
    }
    text += "\n";
    for (std::string_view rest = DefaultEncodingHelp(); !rest.empty();) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        text += Wrapped(rest.substr(0, end), 0);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    text +=
        "\n"
        "On a terminal, a progress line counts the megabytes read, then the waypoints\n"
        "written.\n"
        "\n"
        "Exit status: 0 written; 1 usage error; 2 the GPX file does not load; 3 the CSV\n"
        "file exists and was not replaced; 4 the CSV file could not be written.\n"
        "With --write-icons: 3 a different icon file exists and nothing was written;\n"
        "4 an icon file could not be written.\n";
    return text;
}

std::vector<OptionName> OptionNames() {
    std::vector<OptionName> names;
    for (const Option& option : Options()) names.push_back({option.name, option.valueName});
    return names;
}

}  // namespace corvane::cli
