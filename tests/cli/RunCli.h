// Running the built corvane-cli as a child process, one implementation per platform.
#pragma once

#include <string>
#include <vector>

namespace corvane::testing {

struct CliResult {
    int status;
    std::string out, err;  // on a terminal, err is everything the terminal showed
};

// Run corvane-cli with input on standard input (in the C locale where there is one); on a
// terminal, standard input and error are the terminal
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "", bool terminal = false);

// True when a terminal can be opened for RunCli to type into
bool TerminalAvailable();

}  // namespace corvane::testing
