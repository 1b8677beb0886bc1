// The console's message boxes: the overwrite question on a terminal, under --force and with
// no terminal, and which messages reach standard error.
#include "ConsoleWindow.h"

#include "Messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace corvane::cli {
namespace {

// A console with scripted input and captured error output
class Console {
public:
    explicit Console(const std::string& typed) : in_(std::tmpfile()), err_(std::tmpfile()) {
        std::fputs(typed.c_str(), in_);
        std::rewind(in_);
    }
    ~Console() {
        std::fclose(in_);
        std::fclose(err_);
    }
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    ConsoleWindow Window(bool terminal, bool force = false) {
        CommandLine commandLine;
        commandLine.gpx = "in.gpx";
        commandLine.csv = "out.csv";
        commandLine.force = force;
        return ConsoleWindow(commandLine, in_, err_, terminal);
    }
    // Everything printed on the error stream so far
    std::string printed() {
        std::fflush(err_);
        std::rewind(err_);
        std::string text;
        for (int c; (c = std::fgetc(err_)) != EOF;) text += static_cast<char>(c);
        return text;
    }
    // What the window has not read of the typed input
    std::string unread() {
        std::string text;
        for (int c; (c = std::fgetc(in_)) != EOF;) text += static_cast<char>(c);
        return text;
    }

private:
    std::FILE* in_;
    std::FILE* err_;
};

TEST(ConsoleWindow, OnATerminalOnlyYOrYesReplaces) {
    const std::vector<std::pair<std::string, int>> cases{
        {"y\n", kAnswerYes},   {"Y\n", kAnswerYes},   {"yes\n", kAnswerYes},  {"YeS\n", kAnswerYes},
        {" y \n", kAnswerYes}, {"y\r\n", kAnswerYes}, {"y", kAnswerYes},      {"n\n", kAnswerNo},
        {"\n", kAnswerNo},     {"", kAnswerNo},       {"yess\n", kAnswerNo},  {"no\n", kAnswerNo},
        {"ja\n", kAnswerNo},   {"n\ny\n", kAnswerNo}, {"y e s\n", kAnswerNo},
    };
    for (const auto& [typed, answer] : cases) {
        Console console(typed);
        ConsoleWindow window = console.Window(true);
        EXPECT_EQ(Show(window, kMsgOverwrite), answer) << "typed '" << typed << "'";
        EXPECT_TRUE(console.printed().starts_with("Overwrite the existing file? [y/N] ")) << console.printed();
    }
}

TEST(ConsoleWindow, ReadsOneLineAndEndsThePromptLineAtEndOfInput) {
    Console answered("n\ny\n");
    ConsoleWindow window = answered.Window(true);
    Show(window, kMsgOverwrite);
    EXPECT_EQ(answered.unread(), "y\n");
    EXPECT_EQ(answered.printed(), "Overwrite the existing file? [y/N] ");

    Console closed("");
    ConsoleWindow atEnd = closed.Window(true);
    Show(atEnd, kMsgOverwrite);
    EXPECT_EQ(closed.printed(), "Overwrite the existing file? [y/N] \n");
}

TEST(ConsoleWindow, ForceAnswersYesWithoutAsking) {
    for (bool terminal : {true, false}) {
        Console console("n\n");
        ConsoleWindow window = console.Window(terminal, true);
        EXPECT_EQ(Show(window, kMsgOverwrite), kAnswerYes);
        EXPECT_EQ(console.printed(), "");
        EXPECT_EQ(console.unread(), "n\n");
    }
}

TEST(ConsoleWindow, WithoutATerminalAnswersNoAndSaysSo) {
    Console console("y\n");
    ConsoleWindow window = console.Window(false);
    EXPECT_EQ(Show(window, kMsgOverwrite), kAnswerNo);
    EXPECT_EQ(console.printed(), "out.csv exists and was not replaced; --force replaces it.\n");
    EXPECT_EQ(console.unread(), "y\n");
}

TEST(ConsoleWindow, PrintsWarningsButLeavesCompleteToTheCaller) {
    Console console("");
    ConsoleWindow window = console.Window(false);
    for (const Message& warning : {kMsgNamesMissing, kMsgLoadFailed, kMsgWriteFailed}) {
        EXPECT_EQ(Show(window, warning), kAnswerOK);
    }
    EXPECT_EQ(Show(window, kMsgComplete), kAnswerOK);
    EXPECT_EQ(console.printed(),
              "Please give me some file names to play with.\n"
              "I have a problem loading the GPX file, please check it or select another.\n"
              "I have a problem writing the CSV file, please check it or select another.\n");
}

}  // namespace
}  // namespace corvane::cli
