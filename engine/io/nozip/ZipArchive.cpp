// A build without a zip library: zip files are recognised and refused with a reason.
#include "ZipArchive.h"

namespace corvane {

bool ZipEntries(std::string_view, std::vector<ZipEntry>&, Failure& failure) {
    failure.cause = Fault::NoZipSupport;
    return false;
}

bool ReadZipEntry(std::string_view, const std::string&, FileBytes&, Failure& failure) {
    failure.cause = Fault::NoZipSupport;
    return false;
}

}  // namespace corvane
