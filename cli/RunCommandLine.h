// One invocation of corvane-cli, from its arguments to its exit status.
#pragma once

#include <span>
#include <string>

namespace corvane::cli {

// Exit statuses, one per way a conversion can end.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitLoadFailed = 2;
inline constexpr int kExitNotReplaced = 3;
inline constexpr int kExitWriteFailed = 4;

// Parse the arguments that follow the program name, convert on the standard streams and report
int RunCommandLine(std::span<const std::string> args);

}  // namespace corvane::cli
