// Whether corvane-cli may replace an existing CSV file: --force, the user's answer, or no.
#pragma once

#include <cstdio>
#include <string>

namespace corvane::cli {

// Yes under force; on a terminal the question, naming the file, is asked on err and answered
// on in ("y" or "yes" in any letter case); otherwise no, with a note on err
bool MayReplace(const std::string& path, bool force, bool terminal, std::FILE* in, std::FILE* err);

}  // namespace corvane::cli
