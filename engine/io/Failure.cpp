// The words of every cause, for reading, saving and the icon folder alike.
#include "Failure.h"

namespace corvane {
namespace {

class FaultCategoryImpl : public std::error_category {
public:
    const char* name() const noexcept override { return "corvane"; }
    std::string message(int fault) const override { return Words({Doing::Read, static_cast<Fault>(fault)}); }
};

// Bytes as gigabytes with one decimal, rounded up so that a size over a limit never reads as the limit
std::string Gigabytes(std::uint64_t bytes) {
    constexpr std::uint64_t kTenth = 100'000'000;
    const std::uint64_t tenths = bytes / kTenth + (bytes % kTenth != 0 ? 1 : 0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " GB";
}

std::string FaultWords(const Failure& failure) {
    switch (static_cast<Fault>(failure.cause.value())) {
    case Fault::NotAFile:
        return "is not a file";
    case Fault::NoStream:
        return "no such stream";
    case Fault::Empty:
        return "the file is empty";
    case Fault::NotXml:
        return "not an XML file";
    case Fault::BrokenXml:
        if (failure.line == 0) return failure.detail;
        return "line " + std::to_string(failure.line) + ", column " + std::to_string(failure.column) + ": " +
               failure.detail;
    case Fault::NoGpxInZip:
        return "holds no GPX file";
    case Fault::ZipTooLarge:
        return "the GPX files in it are too large to convert (" + Gigabytes(failure.size) + ")";
    case Fault::ZipUnreadable:
        return failure.detail;
    case Fault::NoZipSupport:
        return "this build of Corvane cannot read zip files";
    case Fault::ZipEntrySize:
        return "the entry's size is wrong";
    case Fault::IsAnInput:
        return "the file is the GPX file being converted";
    case Fault::GpxName:
        return "the name is a GPX or zip file's, not a CSV file's";
    case Fault::GpxContent:
        return "the file is a GPX or zip file, not a CSV file";
    case Fault::Stopped:
        return failure.detail.empty() ? "the conversion stopped unexpectedly" : failure.detail;
    }
    return failure.detail;
}

constexpr const char* kInUse = "the file is being used by another program";
constexpr const char* kOutOfMemory = "out of memory";

// Reading keeps the C library's words, except where they would mislead.
std::string ReadWords(const std::error_code& cause) {
    if (cause == std::errc::device_or_resource_busy || cause == std::errc::text_file_busy) return kInUse;
    if (cause == std::errc::not_enough_memory) return kOutOfMemory;
    if (cause == std::errc::is_a_directory) return "is a directory";
    // No file can have a name the system does not allow.
    if (cause == std::errc::invalid_argument)
        return std::make_error_code(std::errc::no_such_file_or_directory).message();
    return cause.message();
}

// Saving speaks of the file and its folder, as the user sees them.
std::string SaveWords(const std::error_code& cause) {
    if (cause.category() != std::generic_category()) return cause.message();
    switch (static_cast<std::errc>(cause.value())) {
    case std::errc::device_or_resource_busy:
    case std::errc::text_file_busy:
        return kInUse;
    case std::errc::read_only_file_system:
        return "the file is read-only";
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
        return "access is denied";
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory:
        return "the folder does not exist";
    case std::errc::is_a_directory:
        return "the name is a folder";
    case std::errc::no_space_on_device:
    case std::errc::file_too_large:
        return "the disk is full";
    case std::errc::io_error:
    case std::errc::no_such_device_or_address:
    case std::errc::no_such_device:
        return "the device reported an error";
    case std::errc::filename_too_long:
        return "the name is too long";
    case std::errc::invalid_argument:
        return "the name is not allowed";
    case std::errc::not_enough_memory:
        return kOutOfMemory;
    default:
        return cause.message();
    }
}

}  // namespace

const std::error_category& FaultCategory() {
    static const FaultCategoryImpl category;
    return category;
}

std::error_code make_error_code(Fault fault) {
    return {static_cast<int>(fault), FaultCategory()};
}

std::string Words(const Failure& failure) {
    if (!failure.cause) return "";
    if (failure.cause.category() == FaultCategory()) return FaultWords(failure);
    switch (failure.doing) {
    case Doing::Read:
        return ReadWords(failure.cause);
    case Doing::Save:
        return SaveWords(failure.cause);
    case Doing::MakeFolder:
        // The standard library's words, as it made the folder.
        return failure.cause.message();
    }
    return failure.cause.message();
}

std::string Reason(const Failure& failure) {
    return failure.path + ": " + (failure.entry.empty() ? "" : failure.entry + ": ") + Words(failure);
}

}  // namespace corvane
