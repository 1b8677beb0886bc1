// A build without a zip library: zip files are recognised and refused with a reason.
#include "ZipArchive.h"

namespace corvane {
namespace {
constexpr char kNoZip[] = "this build of Corvane cannot read zip files";
}

bool ZipEntries(std::string_view, std::vector<ZipEntry>&, std::string& error) {
    error = kNoZip;
    return false;
}

bool ReadZipEntry(std::string_view, const std::string&, FileBytes&, std::string& error) {
    error = kNoZip;
    return false;
}

}  // namespace corvane
