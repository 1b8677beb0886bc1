// The window as a console: controls come from the command line, message boxes go to standard error.
#pragma once

#include "CommandLine.h"
#include "ProgressLine.h"
#include "WindowToolkit.h"

#include <cstdio>
#include <string>

namespace corvane::cli {

// Warnings are printed on the error stream as they come. The question whether to replace an
// existing CSV file is answered Yes under --force, asked on the terminal when there is one,
// and otherwise answered No with a note. Information boxes ("Complete!") are not printed:
// the run shows one even when nothing was written, so the caller reports from the outcome.
class ConsoleWindow : public WindowToolkit {
public:
    // A window over the command line; terminal says whether the user can be asked on in and err
    ConsoleWindow(CommandLine commandLine, std::FILE* in, std::FILE* err, bool terminal);

    std::string txtGPX() override { return commandLine_.gpx; }
    std::string txtMM() override { return commandLine_.csv; }
    std::string txtIcon() override { return commandLine_.icons; }
    void setTxtIcon(const std::string& text) override { commandLine_.icons = text; }
    std::string txtCacher() override { return commandLine_.name; }
    int chkHint() override { return commandLine_.hints ? 1 : 0; }
    bool optURL0() override { return commandLine_.linkWebsite; }
    bool mnuIconsByType() override { return commandLine_.kindsByType; }
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    // Have every message clear the progress line first
    void setProgressLine(ProgressLine* progress) { progress_ = progress; }
    // The prompt, then the detail on a line of its own after the program's name
    int MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                     const std::string& detail) override;

private:
    // Print the question with its [y/N] hint and read one line of answer
    int Ask(const std::string& prompt);

    CommandLine commandLine_;
    std::FILE* in_;
    std::FILE* err_;
    bool terminal_;
    ProgressLine* progress_ = nullptr;
};

}  // namespace corvane::cli
