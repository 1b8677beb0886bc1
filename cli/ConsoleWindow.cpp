// Message boxes on a console: printed warnings and a y/N question.
#include "ConsoleWindow.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace corvane::cli {
namespace {

// True for "y" and "yes" in any letter case, blanks around them ignored
bool IsYes(std::string answer) {
    auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    answer.erase(std::find_if_not(answer.rbegin(), answer.rend(), blank).base(), answer.end());
    answer.erase(answer.begin(), std::find_if_not(answer.begin(), answer.end(), blank));
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return answer == "y" || answer == "yes";
}

}  // namespace

ConsoleWindow::ConsoleWindow(CommandLine commandLine, std::FILE* in, std::FILE* err, bool terminal)
    : commandLine_(std::move(commandLine)), in_(in), err_(err), terminal_(terminal) {}

int ConsoleWindow::MsgBox(const std::string& prompt, int style, const std::string&) {
    if (style == kStyleInformation) return kAnswerOK;
    if (progress_ != nullptr) progress_->Clear();
    if (style != kStyleQuestion) {
        std::fprintf(err_, "%s\n", prompt.c_str());
        return kAnswerOK;
    }
    if (commandLine_.force) return kAnswerYes;
    if (terminal_) return Ask(prompt);
    std::fprintf(err_, "%s exists and was not replaced; --force replaces it.\n", commandLine_.csv.c_str());
    return kAnswerNo;
}

int ConsoleWindow::MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                                const std::string& detail) {
    const int answer = MsgBox(prompt, style, title);
    if (style != kStyleInformation) std::fprintf(err_, "%s: %s\n", kProgramName, detail.c_str());
    return answer;
}

int ConsoleWindow::Ask(const std::string& prompt) {
    std::fprintf(err_, "%s [y/N] ", prompt.c_str());
    std::fflush(err_);
    std::string answer;
    int c;
    while ((c = std::fgetc(in_)) != EOF && c != '\n') answer += static_cast<char>(c);
    // End of input leaves the cursor after the question; end its line.
    if (c == EOF) std::fputc('\n', err_);
    return IsYes(answer) ? kAnswerYes : kAnswerNo;
}

}  // namespace corvane::cli
