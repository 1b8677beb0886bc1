// Runs the built corvane-cli as a child process with chosen standard streams and locale.
#pragma once

#include <string>
#include <vector>

namespace corvane::testing {

struct CliRun {
    std::vector<std::string> args;  // after the program name
    std::string input;              // standard input; on a terminal, typed into it
    bool terminal = false;          // standard input and error are a pseudo-terminal
};

struct CliResult {
    int status = -1;  // exit status, or -1 when the child did not exit normally
    std::string out;  // standard output
    std::string err;  // standard error (on a terminal: everything the terminal showed)
};

// True when a pseudo-terminal can be opened here (a bare chroot has none)
bool TerminalAvailable();

// Run corvane-cli to its end and collect what it printed
CliResult RunCli(const CliRun& run);

// Run corvane-cli with these arguments and empty standard input
CliResult RunCli(std::vector<std::string> args);

}  // namespace corvane::testing
