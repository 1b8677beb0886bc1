// Lines encoded into a buffer that goes to the sink in large pieces.
#include "CsvWriter.h"

#include "Sink.h"
#include "TextEncoder.h"

#include <algorithm>

namespace corvane {
namespace {
constexpr std::size_t kFlushSize = 1 << 16;
}

void CsvWriter::PrintLine(std::string_view utf8) {
    const std::size_t start = buffer_.size();
    encoder_.Encode(utf8, buffer_);
    // A line break inside a value would split its record in two, so every CR or LF that
    // a value brings along is written as one blank.
    std::replace_if(
        buffer_.begin() + static_cast<std::ptrdiff_t>(start), buffer_.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushSize) Flush();
}

bool CsvWriter::Flush() {
    if (!failed_ && !buffer_.empty() && !sink_.write(buffer_.data(), buffer_.size())) failed_ = true;
    buffer_.clear();
    if (onFlush_) onFlush_(waypoints_);
    return !failed_;
}

}  // namespace corvane
