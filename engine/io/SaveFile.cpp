// The part of saving that is the same on every system: where the written bytes go.
#include "SaveFile.h"

namespace corvane {

bool SaveFile::write(const char* data, std::size_t size) {
    if (fd_ < 0) failed_ = true;
    if (buffered_ && !failed_)
        pending_.append(data, size);
    else if (!failed_ && !WriteAll(fd_, data, size))
        failed_ = true;
    return !failed_;
}

}  // namespace corvane
