// A line on the terminal that tells how a long conversion is getting on.
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace corvane::cli {

// Shown only once the run has taken longer than a delay, rewritten in place, and cleared
// before anything else is printed, so that it never stays in the terminal's history.
class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // A line on out that appears once delay has passed since now, the time as now tells it
    explicit ProgressLine(std::FILE* out, Clock::duration delay = std::chrono::seconds(1), Now now = Clock::now);

    // Show text in place of the line before, at most a few times a second
    void Show(const std::string& text);
    // Remove the line, leaving the cursor where it stood before the first Show
    void Clear();

private:
    std::FILE* out_;
    Now now_;
    Clock::time_point start_;
    Clock::duration delay_;
    Clock::time_point shown_{};
    std::size_t width_ = 0;  // characters of the line on screen; 0 when none
};

// The text of the progress line for bytes read, then for waypoints written
std::string ProgressText(std::size_t bytesRead, std::size_t waypoints);

}  // namespace corvane::cli
