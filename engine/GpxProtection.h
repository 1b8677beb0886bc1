// Keeping a conversion from writing its CSV file over a GPX or zip file the user meant to read.
#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace corvane {

// Why the CSV file csv must not be written (a Fault), or no error when it may be: it is one of the inputs (the
// same name or the same file), or, unless the user named it explicitly as the output (as -o
// does), it is a GPX or zip file by its name's ending (.gpx, .zip, any case) or by its first
// bytes. An empty name names no file. Whether to replace a CSV file does not change the answer.
std::error_code GpxProtection(const std::vector<std::string>& inputs, const std::string& csv, bool outputNamed);

}  // namespace corvane
