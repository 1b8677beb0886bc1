// The output CSV file: whole lines in the output code page, each ended by CR LF.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace corvane {

class Sink;
class TextEncoder;

class CsvWriter {
public:
    CsvWriter(Sink& sink, TextEncoder& encoder) : sink_(sink), encoder_(encoder) {}
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    // Print one line of UTF-8 text followed by CR LF
    void PrintLine(std::string_view utf8);
    // Pass everything printed so far to the sink; false when any write failed
    bool Flush();
    // Number of waypoint lines printed
    std::size_t waypoints() const { return waypoints_; }
    void CountWaypoint() { ++waypoints_; }
    // Number of waypoints left out for want of coordinates
    std::size_t leftOut() const { return leftOut_; }
    void CountLeftOut() { ++leftOut_; }
    // Have onFlush told the number of waypoint lines each time a batch of lines goes to the sink
    void ReportFlushes(std::function<void(std::size_t waypoints)> onFlush) { onFlush_ = std::move(onFlush); }

private:
    Sink& sink_;
    TextEncoder& encoder_;
    std::string buffer_;
    bool failed_ = false;
    std::size_t waypoints_ = 0;
    std::size_t leftOut_ = 0;
    std::function<void(std::size_t)> onFlush_;
};

}  // namespace corvane
