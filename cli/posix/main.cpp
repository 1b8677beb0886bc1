// corvane-cli: converts a GPX file into a Memory Map CSV file from the command line.
#include "RunCommandLine.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return corvane::cli::RunCommandLine(args);
}
