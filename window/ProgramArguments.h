// What the window program's own arguments ask for: help, its version, or a GPX file to open.
#pragma once

#include <span>
#include <string>

namespace corvane {

enum class ProgramAction { Open, Help, Version, Refuse };

struct ProgramArguments {
    ProgramAction action = ProgramAction::Open;
    std::string gpx;   // Open: the file to take as the GPX file; "" for none
    std::string text;  // Help and Version: what to print; Refuse: why the argument is not taken
};

// Read the arguments that follow the program name (UTF-8); a file to open must exist
ProgramArguments ReadProgramArguments(std::span<const std::string> args);

}  // namespace corvane
