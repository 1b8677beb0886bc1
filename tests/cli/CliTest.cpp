// corvane-cli: what each argument list asks for, and, by running the program, each exit status
// with what it prints, the standard streams and the question on a terminal.
#include "CommandLine.h"
#include "OptionTable.h"
#include "RunCli.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::testing {
namespace {

using cli::ParseCommandLine;

// The parse result in one line: the refusal, or the action, files and every option not left at its
// default, those of the option table as they would be typed
std::string Described(const cli::ParseResult& result) {
    if (!result.error.empty()) return "error: " + result.error;
    const cli::CommandLine& c = result.commandLine;
    if (c.action == cli::Action::Help || c.action == cli::Action::Version)
        return c.action == cli::Action::Help ? "help" : "version";
    std::string text;
    for (const std::string& input : c.inputs) text += "'" + input + "' ";
    text += c.action == cli::Action::WriteIcons ? "icons into '" + c.writeIconsFolder + "'" : "> '" + c.csv + "'";
    const RunSettings defaults;
    for (const OptionRow& row : kOptionTable) {
        if (row.text && c.settings.*row.text != defaults.*row.text)
            text += " --" + std::string(row.name) + "='" + c.settings.*row.text + "'";
        if (!row.yes || c.settings.*row.yes == defaults.*row.yes) continue;
        text += " --" + std::string(row.name) + (row.item.empty() ? "" : "=" + std::string(row.item));
        for (const OptionWord& word : row.words)
            if (!row.valueName.empty() && word.value == c.settings.*row.yes) text += "=" + std::string(word.word);
    }
    if (!c.codePage.empty()) text += " " + c.codePage;
    for (const auto& [set, word] : {std::pair{c.force, " force"}, {c.quiet, " quiet"}})
        if (set) text += word;
    return text;
}

TEST(CommandLine, ReadsEachArgumentList) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows{
        // clang-format off
        {{"a.gpx"}, "'a.gpx' > 'a.csv'"}, {{"-"}, "'-' > '-'"}, {{"--", "--force", "-x"}, "'--force' > '-x'"},
        {{"--icons", "D:\\Maps", "--name", " Alice\t", "a.gpx", "--hints", "--link", "website", "--encoding", "UTF8",
          "--force", "--quiet"},
         "'a.gpx' > 'a.csv' --icons='D:\\Maps' --name='Alice' --hints --link=website utf-8 force quiet"},
        {{"--icons=D:\\Maps", "--name=Al=ice", "--link=cachemate", "--encoding=cp1250", "a.gpx", "b.csv"},
         "'a.gpx' > 'b.csv' --icons='D:\\Maps' --name='Al=ice' windows-1250"},
        // With -o every name is a GPX or zip file.
        {{"-o", "all.csv", "a.gpx", "b.gpx", "--output=c.csv", "d.zip"}, "'a.gpx' 'b.gpx' 'd.zip' > 'c.csv'"},
        {{"-o", "all.csv", "a.gpx", "-"}, "error: standard input can only be read as the one GPX file"},
        {{"a.gpx", "b.csv", "c.csv", "--version"}, "version"}, {{}, "error: no GPX file given"},
        {{"a.gpx", "b.csv", "c.csv"}, "error: too many file names, starting with 'c.csv'; "
                                      "to convert them all into one, name the CSV file with -o CSV"},
        {{"--bogus=1", "a.gpx"}, "error: unknown option '--bogus'"},
        {{"a.gpx", "--icons"}, "error: --icons needs a value"},
        {{"--link", "Website", "a.gpx"}, "error: --link takes website or cachemate, not 'Website'"},
        {{"ab"}, "error: cannot make a CSV file name from 'ab'; please give one"}, {{"."}, "error: .: is a directory"},
        {{"--kinds", "type", "a.gpx"}, "'a.gpx' > 'a.csv' --kinds=type"},
        {{"--kinds=type", "--kinds=container", "a.gpx"}, "'a.gpx' > 'a.csv'"},
        {{"--kinds", "Type", "a.gpx"}, "error: --kinds takes container or type, not 'Type'"},
        {{"--leave-out=found,own", "--leave-out", "unavailable,found", "a.gpx"},
         "'a.gpx' > 'a.csv' --leave-out=found --leave-out=unavailable"},
        {{"--leave-out", "found,", "a.gpx"},
         "error: --leave-out takes found, own or unavailable, separated by commas, not ''"},
        {{"--force", "--write-icons", "D", "--quiet"}, "icons into 'D' force quiet"},
        {{"--write-icons=D", "a.gpx"}, "error: --write-icons takes no file names, but 'a.gpx' was given"},
        // clang-format on
    };
    for (const auto& [args, expected] : rows) EXPECT_EQ(Described(ParseCommandLine(args)), expected) << args.size();
}

// The help fits 80 columns, and the manual page shows every option of the same table with its value.
TEST(CommandLine, HelpAndManualPageShowEveryOption) {
    const std::string help = cli::UsageText();
    for (std::size_t start = 0, end; start < help.size(); start = end + 1) {
        end = help.find('\n', start);
        EXPECT_LE(end - start, 80u) << help.substr(start, end - start);
    }
    const std::string man = ReadFile(CORVANE_SOURCE_DIR "/cli/corvane-cli.1.scd");
    for (const auto& [name, value] : cli::OptionNames()) {
        const std::string shown =
            "*--" + std::string(name) + "*" + (value.empty() ? "" : " _" + std::string(value) + "_");
        EXPECT_NE(man.find("\n" + shown), std::string::npos) << shown;
        EXPECT_NE(help.find("  --" + std::string(name)), std::string::npos) << name;
    }
    for (const char* synopsis :
         {"*corvane-cli* [_options_] _GPX_ [_CSV_]", "*corvane-cli* [_options_] *-o* _CSV_ _GPX_..."})
        EXPECT_NE(man.find(synopsis), std::string::npos) << synopsis;
}

TEST(Cli, EachExitStatusWithWhatItPrints) {
    TempDir dir;
    const std::string gpx = dir.Write("oak.gpx", kOakGpx), csv = dir.Write("out.csv", "old");
    const std::string help = "Try 'corvane-cli --help'.\n";
    const std::string writeFailed = "I have a problem writing the CSV file, please check it or select another.\n";
    const std::string readOnly = dir.Write("ro.csv", "old");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err, written;  // written: the one file the run may change
    } rows[] = {
        // clang-format off
        {{gpx}, 0, "Complete!\nRead " + gpx + "\n1 waypoint written to " + dir.path("oak.csv") + "\n", "", dir.path("oak.csv")},
        {{"--force", gpx, csv}, 0, "Complete!\nRead " + gpx + "\n1 waypoint written to " + csv + "\n", "", csv},
        {{"--quiet", "-o", dir.path("new.gpx"), gpx}, 0, "", "", dir.path("new.gpx")},  // -o names a CSV file, .gpx or not
        {{"--bogus", gpx}, 1, "", "corvane-cli: unknown option '--bogus'\n" + help, ""},
        {{"", csv}, 1, "", "Please give me some file names to play with.\n" + help, ""},
        {{"--quiet", "--force", dir.path("no.gpx"), csv}, 2, "",
         "I have a problem loading the GPX file, please check it or select another.\ncorvane-cli: " + dir.path("no.gpx") +
             ": No such file or directory\n", ""},
        {{gpx, csv}, 3, "", csv + " exists and was not replaced; --force replaces it.\n", ""},
        {{"--force", gpx, gpx}, 1, "", "corvane-cli: '" + gpx + "' is a GPX or zip file, not a CSV file to write; "
         "name the CSV file with -o CSV\n" + help, ""},
        // Refused before the question, so no word of --force, which could not help.
        {{gpx, readOnly}, 4, "", writeFailed + "corvane-cli: " + readOnly + ": the file is read-only\n", ""},
        {{"--version", "--bogus"}, 0, "corvane-cli " CORVANE_VERSION "\n", "", ""},
        // clang-format on
    };
    for (const auto& row : rows) {
        const CliResult result = RunCli(row.args);
        EXPECT_EQ(result.status, row.status) << row.args[0];
        EXPECT_EQ(result.out, row.out) << row.args[0];
        EXPECT_EQ(result.err, row.err) << row.args[0];
        EXPECT_TRUE(row.written.empty() || Lines(ReadFile(row.written)).back() == OakLine()) << row.args[0];
        EXPECT_EQ(ReadFile(csv) == "old", row.written != csv) << row.args[0];
        EXPECT_EQ(ReadFile(gpx), kOakGpx) << row.args[0];
        dir.Write("out.csv", "old");
    }
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

// Waypoints left out follow the report, a line for each reason; text lost to the code page is told
// even when nothing else is.
TEST(Cli, WhatTheRunCouldNotKeepIsTold) {
    EXPECT_EQ(
        RunCli({"--kinds", "type", "--leave-out", "found,own,unavailable", "--name", "Kate", "-"},
               Groundspeak(R"(<gpx><wpt lat="" lon="1"/><wpt lat="2" lon="3"/><wpt><sym>Geocache Found</sym>)"
                           R"(</wpt><wpt><sym>Geocache Found</sym></wpt><wpt><g:placed_by>Kate</g:placed_by></wpt>)"
                           R"(<wpt><name>GC3</name><g:cache archived="True"/></wpt><wpt><name>PK3</name></wpt></gpx>)"))
            .err,
        "Complete!\nRead standard input\n1 waypoint written to standard output\n1 waypoint without coordinates "
        "left out\n2 caches you found left out\n1 of your own caches left out\n1 unavailable cache left out\n"
        "1 waypoint of a left-out cache left out\n");
    EXPECT_EQ(
        RunCli({"--quiet", "--encoding", "windows-1252", "-"}, "<gpx><wpt><name>Ж\xE9</name></wpt></gpx>").err,
        "corvane-cli: 3 characters not in windows-1252 written as \"?\"\n"
        "corvane-cli: 3 bytes not valid in UTF-8 written as \"?\" (the GPX file is not in the encoding it declares)\n");
}

TEST(Cli, StandardStreamsAndTheEncodingOption) {
    TempDir dir;
    const std::string gpx = dir.Write("oak.gpx", kOakGpx);
    for (const auto& args : {std::vector<std::string>{"-"}, {"--encoding", "utf-8", gpx, "-"}}) {
        const CliResult result = RunCli(args, std::string(kOakGpx));
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(Lines(result.out).back(), OakLine("106", args.size() == 1 ? "\xE9" : "\xC3\xA9"));
        EXPECT_EQ(result.err, "Complete!\nRead " + (args.size() == 1 ? "standard input" : gpx) +
                                  "\n1 waypoint written to standard output\n");
    }
}

TEST(Cli, OnATerminalTheUserDecides) {
    if (!TerminalAvailable()) GTEST_SKIP() << "no terminal to type into";
    TempDir dir;
    const std::string gpx = dir.Write("oak.gpx", kOakGpx);
    const std::string prompt = "Overwrite the existing file " + dir.path("out.csv") + "? [y/N] ", endOfInput = "";
    const struct {
        std::string typed;
        int status;
        bool force = false;
    } rows[] = {{"y\n", 0}, {" YeS \n", 0}, {"n\n", 3}, {"yess\n", 3}, {endOfInput, 3}, {"n\n", 0, true}};
    for (const auto& row : rows) {
        const std::string csv = dir.Write("out.csv", "old");
        const auto args =
            row.force ? std::vector<std::string>{"--force", gpx, csv} : std::vector<std::string>{gpx, csv};
        const CliResult result = RunCli(args, row.typed, true);
        EXPECT_EQ(result.status, row.status) << row.typed;
        EXPECT_EQ(result.err.find(prompt) != std::string::npos, !row.force) << result.err;
        // A no is told; end of input leaves the cursor after the question, so the console ends that line first.
        const std::string kept =
            (row.typed == endOfInput ? prompt + "\r\n" : "") + "Nothing written; " + csv + " is as it was.\r\n";
        EXPECT_EQ(result.err.ends_with(kept), row.status == 3) << result.err;
        EXPECT_EQ(ReadFile(csv) == "old", row.status != 0) << row.typed;
    }
}

TEST(Cli, WriteIconsWithEachExitStatus) {
    TempDir dir;
    const std::string folder = dir.path("icons");
    // Files are listed with the system's own separator.
    const std::string in = folder + static_cast<char>(std::filesystem::path::preferred_separator);
    const CliResult first = RunCli({"--write-icons", folder});
    EXPECT_EQ(first.status, 0);
    // One line per file in table order, then the count.
    EXPECT_EQ(first.out.rfind(in + "EventF.bmp\n" + in + "LetterboxF.bmp\n", 0), 0u) << first.out;
    EXPECT_TRUE(first.out.ends_with("wptWaypoint.bmp\n87 icons written to " + folder + ", 0 already there\n"));

    dir.Write("icons/parking.bmp", "mine");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    } rows[] = {
        // clang-format off
        {{"--write-icons", folder}, 3, "", "corvane-cli: " + in + "parking.bmp differs\n"
                                          "corvane-cli: nothing written; --force replaces the 1 different file\n"},
        {{"--write-icons", folder, "--force"}, 0, in + "parking.bmp\n1 icon written to " + folder + ", 86 already there\n", ""},
        {{"--quiet", "--write-icons", folder}, 0, "", ""},
        {{"--write-icons", folder + "/parking.bmp/x"}, 4, "",
         "corvane-cli: cannot create the folder " + folder + "/parking.bmp/x: Not a directory\n"},
        // clang-format on
    };
    for (const auto& row : rows) {
        const CliResult result = RunCli(row.args);
        EXPECT_EQ(result.status, row.status) << row.args.back();
        EXPECT_EQ(result.out, row.out) << row.args.back();
        EXPECT_EQ(result.err, row.err) << row.args.back();
    }
}

}  // namespace
}  // namespace corvane::testing
