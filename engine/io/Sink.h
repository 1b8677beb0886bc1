// Where the bytes of a CSV file go: a file, standard output or memory.
#pragma once

#include <cstddef>
#include <string>

namespace corvane {

class Sink {
public:
    virtual ~Sink() = default;
    // Write size bytes; false when this or any earlier write failed
    virtual bool write(const char* data, std::size_t size) = 0;
};

// Collects everything in a string; never fails.
class MemorySink : public Sink {
public:
    bool write(const char* data, std::size_t size) override;
    // Everything written so far
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Writes to an open file descriptor that it does not own, such as standard output.
class DescriptorSink : public Sink {
public:
    explicit DescriptorSink(int fd) : fd_(fd) {}
    bool write(const char* data, std::size_t size) override;

private:
    int fd_;
    bool failed_ = false;
};

// Write all of size bytes to fd, retrying short writes; false on any error (defined per platform with SaveFile)
bool WriteAll(int fd, const char* data, std::size_t size);

}  // namespace corvane
