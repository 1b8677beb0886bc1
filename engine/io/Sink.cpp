// Where the bytes of a CSV file go: a file, standard output or memory.
#include "Sink.h"

namespace corvane {

bool MemorySink::write(const char* data, std::size_t size) {
    text_.append(data, size);
    return true;
}

bool DescriptorSink::write(const char* data, std::size_t size) {
    if (!failed_ && !WriteAll(fd_, data, size)) failed_ = true;
    return !failed_;
}

}  // namespace corvane
