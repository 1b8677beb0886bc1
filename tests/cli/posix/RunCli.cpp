// Running corvane-cli through the shell, for a minute at most; script(1) opens the terminal.
#include "RunCli.h"

#include "Support.h"

#include <sys/wait.h>

#include <cstdlib>

namespace corvane::testing {

CliResult RunCli(const std::vector<std::string>& args, const std::string& input, bool terminal) {
    TempDir dir;
    std::string command = "env -u LANG -u LC_CTYPE LC_ALL=C " CORVANE_CLI;
    for (const std::string& arg : args) command += " '" + arg + "'";  // no test argument holds a quote
    command += " >" + dir.path("out");
    if (terminal) command = "script -qec \"" + command + "\" /dev/null";
    command = "timeout -k 5 60 " + command;
    command += " <" + dir.Write("in", input) + (terminal ? " >" : " 2>") + dir.path("err") + (terminal ? " 2>&1" : "");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir.path("out")), ReadFile(dir.path("err"))};
}

bool TerminalAvailable() {
    return std::system("timeout -k 5 60 script -qec true /dev/null </dev/null >/dev/null 2>&1") == 0;
}

}  // namespace corvane::testing
