// What corvane-cli does differently on each platform (posix/, windows/).
#pragma once

#include <cstdio>
#include <string_view>

namespace corvane::cli {

// True when the stream is a terminal (a console on Windows) that a person types into or reads
bool IsTerminal(std::FILE* stream);

// The descriptor that writes standard output
int StandardOutputDescriptor();

// The sentence --help gives on where the default encoding comes from
std::string_view DefaultEncodingHelp();

}  // namespace corvane::cli
