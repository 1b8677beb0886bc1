// The whole conversion on arbitrary bytes: the first bytes choose the options, the rest is the GPX file.
//
// Input layout: one flag byte (bit 0 hints, bit 1 link to the website, bits 2 to 4 the code
// page, bit 5 icons by cache type), the icon folder up to a newline, the user name up to a
// newline, then the document (a GPX file, or a zip file of them).
#include "RunConversion.h"
#include "Sink.h"

#include <sys/mman.h>
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace corvane;

// An unknown name and the empty one both fall back to the system's code page.
constexpr std::string_view kCodePages[] = {"",       "windows-1252", "utf-8",   "windows-1250",
                                           "cp1251", "windows-1253", "unknown", "windows-1258"};

// The text up to the next newline, which is consumed with it.
std::string TakeLine(std::string_view& input) {
    const std::size_t end = input.find('\n');
    const std::string line(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return line;
}

// The document as an open file in memory, so that the conversion reads it the way it reads any file.
std::FILE* MemoryFile(std::string_view bytes) {
    const int fd = ::memfd_create("fuzz.gpx", MFD_CLOEXEC);
    if (fd < 0) std::abort();
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) std::abort();
        done += static_cast<std::size_t>(n);
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) std::abort();
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) std::abort();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    RunOptions options;
    if (!input.empty()) {
        const unsigned flags = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
        options.includeHints = (flags & 1) != 0;
        options.linkToWebsite = (flags & 2) != 0;
        options.codePage = kCodePages[flags >> 2 & 7];
        options.kindsByType = (flags & 32) != 0;
    }
    options.iconFolder = TakeLine(input);
    options.userName = TakeLine(input);

    MemorySink sink;
    std::FILE* gpx = MemoryFile(input);
    options.inputs = {{"fuzz.gpx", gpx}};
    options.output.sink = &sink;
    const RunResult result = RunConversion(options);
    std::fclose(gpx);
    // Into memory, a conversion either writes or refuses the document; anything else is a fault.
    if (result.outcome != RunOutcome::Written && result.outcome != RunOutcome::LoadFailed) std::abort();
    return 0;
}
