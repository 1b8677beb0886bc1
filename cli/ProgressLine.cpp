// The line is redrawn in place after a carriage return, once the delay has passed and at most every 200 ms.
#include "ProgressLine.h"

#include "CommandLine.h"

#include <utility>

namespace corvane::cli {
namespace {
constexpr auto kInterval = std::chrono::milliseconds(200);
}

ProgressLine::ProgressLine(std::FILE* out, Clock::duration delay, Now now)
    : out_(out), now_(std::move(now)), start_(now_()), delay_(delay) {}

void ProgressLine::Show(const std::string& text) {
    const Clock::time_point now = now_();
    if (now - start_ < delay_ || now - shown_ < kInterval) return;
    shown_ = now;
    const std::string line = std::string(kProgramName) + ": " + text;
    // Blanks cover what is left of a longer line before.
    std::fprintf(out_, "\r%s%s", line.c_str(),
                 std::string(width_ > line.size() ? width_ - line.size() : 0, ' ').c_str());
    std::fflush(out_);
    width_ = std::max(width_, line.size());
}

void ProgressLine::Clear() {
    if (width_ == 0) return;
    std::fprintf(out_, "\r%s\r", std::string(width_, ' ').c_str());
    std::fflush(out_);
    width_ = 0;
}

std::string ProgressText(std::size_t bytesRead, std::size_t waypoints) {
    if (waypoints > 0) return std::to_string(waypoints) + " waypoints written";
    const std::size_t tenths = bytesRead * 10 / (1024 * 1024);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MB read";
}

}  // namespace corvane::cli
