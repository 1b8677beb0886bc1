// Reading the arguments: what each argument list asks for, or the one-line reason it is refused.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::cli {
namespace {

// The parse result in one line: the refusal, or the action, files and every option not left at its default
std::string Described(const ParseResult& result) {
    if (!result.error.empty()) return "error: " + result.error;
    const CommandLine& c = result.commandLine;
    if (c.action == Action::Help || c.action == Action::Version) return c.action == Action::Help ? "help" : "version";
    std::string text =
        c.action == Action::WriteIcons ? "icons into '" + c.iconFolder + "'" : "'" + c.gpx + "' > '" + c.csv + "'";
    if (c.icons != CommandLine().icons) text += " icons '" + c.icons + "'";
    if (!c.name.empty()) text += " name '" + c.name + "'";
    if (!c.codePage.empty()) text += " " + c.codePage;
    if (c.hints) text += " hints";
    if (c.linkWebsite) text += " website";
    if (c.force) text += " force";
    if (c.quiet) text += " quiet";
    return text;
}

TEST(CommandLine, ReadsEachArgumentList) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        // The CSV name comes from the GPX name, or standard output from standard input.
        {{"a.gpx"}, "'a.gpx' > 'a.csv'"},
        {{"-"}, "'-' > '-'"},
        // Options and names may come in any order; values follow with a blank or with "=".
        {{"--icons", "D:\\Maps", "--name", "Alice", "a.gpx", "--hints", "--link", "website", "--encoding", "UTF8",
          "--force", "--quiet"},
         "'a.gpx' > 'a.csv' icons 'D:\\Maps' name 'Alice' utf-8 hints website force quiet"},
        {{"--icons=D:\\Maps", "--name=Al=ice", "--link=cachemate", "--encoding=Windows-1250", "a.gpx", "b.csv"},
         "'a.gpx' > 'b.csv' icons 'D:\\Maps' name 'Al=ice' windows-1250"},
        {{"--link", "website", "--link", "cachemate", "a.gpx"}, "'a.gpx' > 'a.csv'"},
        {{"--icons=", "a.gpx"}, "'a.gpx' > 'a.csv' icons ''"},
        {{"--icons", "--force", "a.gpx"}, "'a.gpx' > 'a.csv' icons '--force'"},
        {{"--", "--force", "-x"}, "'--force' > '-x'"},
        // Help and version are answered at once, whatever follows them.
        {{"--help", "--bogus"}, "help"},
        {{"a.gpx", "b.csv", "c.csv", "--version"}, "version"},
        {{}, "error: no GPX file given"},
        {{"--force"}, "error: no GPX file given"},
        {{"a.gpx", "b.csv", "c.csv"}, "error: too many file names, starting with 'c.csv'"},
        {{"--bogus=1", "a.gpx"}, "error: unknown option '--bogus'"},
        {{"--hint", "a.gpx"}, "error: unknown option '--hint'"},
        {{"-q", "a.gpx"}, "error: unknown option '-q'"},
        {{"--bogus", "--help"}, "error: unknown option '--bogus'"},
        {{"--force=yes", "a.gpx"}, "error: --force takes no value"},
        {{"a.gpx", "--icons"}, "error: --icons needs a value"},
        {{"--link", "web", "a.gpx"}, "error: --link takes website or cachemate, not 'web'"},
        {{"--link=Website", "a.gpx"}, "error: --link takes website or cachemate, not 'Website'"},
        {{"--encoding", "latin-9", "a.gpx"}, "error: unknown encoding 'latin-9'"},
        {{"ab"}, "error: cannot make a CSV file name from 'ab'; please give one"},
        {{"--force", "--write-icons", "D", "--quiet"}, "icons into 'D' force quiet"},
        {{"--write-icons=D", "a.gpx"}, "error: --write-icons takes no file names, but 'a.gpx' was given"},
    };
    for (const auto& [args, expected] : cases) {
        std::string joined;
        for (const std::string& arg : args) joined += "'" + arg + "' ";
        EXPECT_EQ(Described(ParseCommandLine(args)), expected) << joined;
    }
}

}  // namespace
}  // namespace corvane::cli
