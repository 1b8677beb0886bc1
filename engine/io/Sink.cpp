// The sinks that hold bytes in memory or pass them to a descriptor.
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
