// Runs the built corvane-cli as a child process with chosen standard streams and locale.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace corvane::testing {

struct CliRun {
    std::vector<std::string> args;            // after the program name
    std::string input;                        // standard input; on a terminal, typed into it
    std::string locale = "C";                 // LC_ALL of the child; LC_CTYPE and LANG are removed
    std::string stdoutPath;                   // when set, standard output is this file instead of a captured one
    bool terminal = false;                    // standard input and error are a pseudo-terminal
    long memoryKb = 0;                        // when set, the child's address space is capped at this size
                                              // (and whatever it is, a child that hangs dies after a minute)
    bool unprivileged = false;                // run as nobody when the tests run as root
    std::function<void(pid_t)> whileRunning;  // called with the child's id before it is waited for
};

struct CliResult {
    int status = -1;  // exit status, or -1 when the child did not exit normally
    std::string out;  // standard output, unless it went to stdoutPath
    std::string err;  // standard error (on a terminal: everything the terminal showed)
    long peakKb = 0;  // the child's largest resident size
};

// True when a pseudo-terminal can be opened here (a bare chroot has none)
bool TerminalAvailable();

// Run corvane-cli to its end and collect what it printed
CliResult RunCli(const CliRun& run);

// Run corvane-cli with these arguments, empty standard input and the C locale
CliResult RunCli(std::vector<std::string> args);

}  // namespace corvane::testing
