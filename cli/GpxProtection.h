// Keeping corvane-cli from writing CSV over a GPX or zip file the user meant to read.
#pragma once

#include "CommandLine.h"

#include <string>

namespace corvane::cli {

// Why the CSV file the command line names must not be written, or "" when it may be: it is one
// of the inputs, or, named after the GPX file, it is a GPX or zip file by its name ending (.gpx,
// .zip) or by its first bytes. --force does not change the answer.
std::string GpxProtection(const CommandLine& commandLine);

}  // namespace corvane::cli
