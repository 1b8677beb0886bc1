// Reading the arguments: accepted combinations, refused ones, and derived CSV names.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::cli {

// Readable failure output for a whole command line
void PrintTo(const CommandLine& c, std::ostream* os) {
    *os << "{action " << static_cast<int>(c.action) << ", gpx '" << c.gpx << "', csv '" << c.csv << "', icons '"
        << c.icons << "', name '" << c.name << "', hints " << c.hints << ", website " << c.linkWebsite << ", codePage '"
        << c.codePage << "', force " << c.force << ", quiet " << c.quiet << "}";
}

bool operator==(const CommandLine& a, const CommandLine& b) {
    return a.action == b.action && a.gpx == b.gpx && a.csv == b.csv && a.icons == b.icons && a.name == b.name &&
           a.hints == b.hints && a.linkWebsite == b.linkWebsite && a.codePage == b.codePage && a.force == b.force &&
           a.quiet == b.quiet;
}

namespace {

CommandLine Files(std::string gpx, std::string csv) {
    CommandLine c;
    c.gpx = std::move(gpx);
    c.csv = std::move(csv);
    return c;
}

std::string Joined(const std::vector<std::string>& args) {
    std::string text;
    for (const auto& arg : args) text += "'" + arg + "' ";
    return text;
}

struct Accepted {
    std::vector<std::string> args;
    CommandLine expected;
};

TEST(CommandLine, AcceptsTheseArgumentLists) {
    CommandLine everything = Files("a.gpx", "a.csv");
    everything.icons = "D:\\Maps";
    everything.name = "Alice";
    everything.hints = true;
    everything.linkWebsite = true;
    everything.codePage = "utf-8";
    everything.force = true;
    everything.quiet = true;

    CommandLine joined = Files("a.gpx", "b.csv");
    joined.icons = "D:\\Maps";
    joined.name = "Al=ice";
    joined.codePage = "windows-1250";

    CommandLine emptyIcons = Files("a.gpx", "a.csv");
    emptyIcons.icons = "";

    CommandLine forced = Files("a.gpx", "b.csv");
    forced.force = true;

    CommandLine valueLooksLikeOption = Files("a.gpx", "a.csv");
    valueLooksLikeOption.icons = "--force";

    CommandLine help;
    help.action = Action::Help;
    CommandLine version;
    version.action = Action::Version;

    const std::vector<Accepted> cases{
        {{"a.gpx"}, Files("a.gpx", "a.csv")},
        {{"week.xml"}, Files("week.xml", "week.csv")},
        {{"C:\\x\\week"}, Files("C:\\x\\week", "C:\\x\\wcsv")},
        {{"abc"}, Files("abc", "csv")},
        {{"in.gpx", "out.txt"}, Files("in.gpx", "out.txt")},
        {{"-"}, Files("-", "-")},
        {{"-", "out.csv"}, Files("-", "out.csv")},
        {{"a.gpx", "-"}, Files("a.gpx", "-")},
        {{"", "out.csv"}, Files("", "out.csv")},
        {{"a.gpx", ""}, Files("a.gpx", "")},
        {{"--icons", "D:\\Maps", "--name", "Alice", "--hints", "--link", "website", "--encoding", "UTF8", "--force",
          "--quiet", "a.gpx"},
         everything},
        {{"--icons=D:\\Maps", "--name=Al=ice", "--link=cachemate", "--encoding=Windows-1250", "a.gpx", "b.csv"},
         joined},
        {{"--link", "website", "--link", "cachemate", "a.gpx"}, Files("a.gpx", "a.csv")},
        {{"--icons=", "a.gpx"}, emptyIcons},
        {{"a.gpx", "b.csv", "--force"}, forced},
        {{"--icons", "--force", "a.gpx"}, valueLooksLikeOption},
        {{"--", "--force"}, Files("--force", "--focsv")},
        {{"--", "-", "-x"}, Files("-", "-x")},
        {{"--help", "--bogus"}, help},
        {{"a.gpx", "b.csv", "c.csv", "--version"}, version},
    };
    for (const auto& [args, expected] : cases) {
        ParseResult result = ParseCommandLine(args);
        EXPECT_EQ(result.error, "") << Joined(args);
        EXPECT_EQ(result.commandLine, expected) << Joined(args);
    }
}

TEST(CommandLine, RefusesTheseWithAOneLineReason) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "no GPX file given"},
        {{"--force"}, "no GPX file given"},
        {{"a.gpx", "b.csv", "c.csv"}, "too many file names, starting with 'c.csv'"},
        {{"--bogus", "a.gpx"}, "unknown option '--bogus'"},
        {{"--bogus=1", "a.gpx"}, "unknown option '--bogus'"},
        {{"--hint", "a.gpx"}, "unknown option '--hint'"},
        {{"-q", "a.gpx"}, "unknown option '-q'"},
        {{"--bogus", "--help"}, "unknown option '--bogus'"},
        {{"--force=yes", "a.gpx"}, "--force takes no value"},
        {{"a.gpx", "--icons"}, "--icons needs a value"},
        {{"--link", "web", "a.gpx"}, "--link takes website or cachemate, not 'web'"},
        {{"--link=Website", "a.gpx"}, "--link takes website or cachemate, not 'Website'"},
        {{"--encoding", "latin-9", "a.gpx"}, "unknown encoding 'latin-9'"},
        {{"--encoding=", "a.gpx"}, "unknown encoding ''"},
        {{"ab"}, "cannot make a CSV file name from 'ab'; please give one"},
        {{""}, "cannot make a CSV file name from ''; please give one"},
    };
    for (const auto& [args, reason] : cases) {
        EXPECT_EQ(ParseCommandLine(args).error, reason) << Joined(args);
    }
}

}  // namespace
}  // namespace corvane::cli
