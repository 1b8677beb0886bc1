// Why a file could not be read or written, as a value: the cause travels to the front-end, which
// alone turns it into the words the user reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace corvane {

// What went wrong with a file's contents, or with a file that is no file; the system's own
// failures are its error codes (generic_category where an errno value means the same).
enum class Fault {
    NotAFile = 1,   // a device or socket named as the GPX file
    NoStream,       // the stream has no file behind it
    Empty,          // nothing but blanks
    NotXml,         // text before the first tag, or no element at all
    BrokenXml,      // the parser stopped: what in detail, where in line and column
    NoGpxInZip,     // a zip file without a GPX entry
    ZipTooLarge,    // the GPX entries declare size bytes, far more than the zip file could honestly hold
    ZipUnreadable,  // the zip library's words in detail
    NoZipSupport,   // a build without a zip library
    ZipEntrySize,   // an entry holds more or fewer bytes than its header declares
    IsAnInput,      // the CSV file named is one of the files being converted
    GpxName,        // the CSV name ends as a GPX or zip file's does
    GpxContent,     // the CSV file named starts as a GPX or zip file does
    Stopped,        // the run ended by what it threw: the words in detail
};

const std::error_category& FaultCategory();
std::error_code make_error_code(Fault fault);

// What was being done: reading uses the C library's words, saving its own, the same on every system
enum class Doing { Read, Save, MakeFolder };

struct Failure {
    Doing doing = Doing::Read;
    std::error_code cause{};  // none: nothing is known beyond the failure itself
    std::string path{};       // the file as the user named it ("standard input"; "the GPX files" for all of them)
    std::string entry{};      // the zip entry it happened in, or ""
    std::string detail{};     // what the parser or the zip library said, or ""
    std::size_t line = 0, column = 0;  // BrokenXml: where, from 1; 0 when the place is not known
    std::uint64_t size = 0;            // ZipTooLarge: the bytes the GPX entries declare
};

// Why, in the words the user reads ("the file is read-only", "No such file or directory")
std::string Words(const Failure& failure);

// "PATH: ENTRY: why", the reason under the load and write messages
std::string Reason(const Failure& failure);

}  // namespace corvane

template <>
struct std::is_error_code_enum<corvane::Fault> : std::true_type {};
