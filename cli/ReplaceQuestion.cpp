// The replace question on the terminal: the prompt, one line of answer, and what counts as yes.
#include "ReplaceQuestion.h"

#include "AsciiCase.h"
#include "Messages.h"

#include <string_view>

namespace corvane::cli {
namespace {

// True for "y" and "yes" in any letter case, blanks around them ignored
bool IsYes(std::string_view answer) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
    while (!answer.empty() && blank(answer.front())) answer.remove_prefix(1);
    while (!answer.empty() && blank(answer.back())) answer.remove_suffix(1);
    const std::string lower = AsciiLowercase(answer);
    return lower == "y" || lower == "yes";
}

}  // namespace

bool MayReplace(const std::string& path, bool force, bool terminal, std::FILE* in, std::FILE* err) {
    if (force) return true;
    if (!terminal) {
        std::fprintf(err, "%s exists and was not replaced; --force replaces it.\n", path.c_str());
        return false;
    }
    // The window's question, with the file it is about.
    std::string_view prompt = kMsgOverwrite.prompt;
    prompt.remove_suffix(1);
    std::fprintf(err, "%.*s %s? [y/N] ", static_cast<int>(prompt.size()), prompt.data(), path.c_str());
    std::fflush(err);
    std::string answer;
    int c;
    while ((c = std::fgetc(in)) != EOF && c != '\n') answer += static_cast<char>(c);
    // End of input leaves the cursor after the question; end its line.
    if (c == EOF) std::fputc('\n', err);
    if (IsYes(answer)) return true;
    std::fprintf(err, "Nothing written; %s is as it was.\n", path.c_str());
    return false;
}

}  // namespace corvane::cli
