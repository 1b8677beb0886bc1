// Reading the entries of a zip file held in memory, with libzip.
#include "ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <memory>

namespace corvane {
namespace {

// Names are read as the zip format has them: UTF-8 when the entry's flag says so, otherwise
// code page 437 (what DOS and older Windows tools wrote), never guessed from the bytes.
constexpr zip_flags_t kNames = ZIP_FL_ENC_STRICT;

struct CloseArchive {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, CloseArchive>;

// The zip library's own words for why it failed
void Unreadable(Failure& failure, const char* words) {
    failure.cause = Fault::ZipUnreadable;
    failure.detail = words;
}

// The archive over bytes, which must outlive it; null with the cause when it does not open
Archive OpenArchive(std::string_view bytes, Failure& failure) {
    zip_error_t status;
    zip_error_init(&status);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &status);
    zip_t* archive = source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &status) : nullptr;
    if (archive == nullptr) {
        Unreadable(failure, zip_error_strerror(&status));
        if (source != nullptr) zip_source_free(source);
    }
    zip_error_fini(&status);
    return Archive(archive);
}

// The index of the entry called name, or -1. libzip's own lookup compares the names it guesses,
// which differ from ours where a code page 437 name also reads as UTF-8.
zip_int64_t Locate(zip_t* archive, const std::string& name) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* entry = zip_get_name(archive, static_cast<zip_uint64_t>(i), kNames);
        if (entry != nullptr && entry == name) return i;
    }
    zip_error_set(zip_get_error(archive), ZIP_ER_NOENT, 0);
    return -1;
}

}  // namespace

bool ZipEntries(std::string_view bytes, std::vector<ZipEntry>& entries, Failure& failure) {
    const Archive archive = OpenArchive(bytes, failure);
    if (!archive) return false;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), kNames, &stat) != 0 ||
            (stat.valid & ZIP_STAT_NAME) == 0 || std::string_view(stat.name).ends_with('/'))
            continue;
        entries.push_back({stat.name, (stat.valid & ZIP_STAT_SIZE) != 0 ? stat.size : 0});
    }
    return true;
}

bool ReadZipEntry(std::string_view bytes, const std::string& name, FileBytes& entry, Failure& failure) {
    const Archive archive = OpenArchive(bytes, failure);
    if (!archive) return false;
    zip_stat_t stat;
    zip_file_t* file = nullptr;
    const zip_int64_t index = Locate(archive.get(), name);
    if (index < 0 || zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0 ||
        (file = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0)) == nullptr) {
        Unreadable(failure, zip_strerror(archive.get()));
        return false;
    }
    // One byte more than the entry claims, so that an entry longer than its size is noticed;
    // reading on to the end lets libzip check the entry's checksum. The claim only bounds the
    // buffer: a damaged header claims gigabytes in a few bytes, so the buffer grows as bytes arrive.
    const std::size_t capacity = static_cast<std::size_t>(stat.size) + 1;
    std::size_t allocated = std::min(capacity, kReadChunk);
    entry.data = std::make_unique_for_overwrite<char[]>(allocated);
    entry.size = 0;
    zip_int64_t got = 0;
    while (entry.size < capacity) {
        if (entry.size == allocated) GrowBuffer(entry, allocated, capacity);
        if ((got = zip_fread(file, entry.data.get() + entry.size, allocated - entry.size)) <= 0) break;
        entry.size += static_cast<std::size_t>(got);
    }
    const bool complete = got == 0 && entry.size == stat.size;
    if (!complete && got < 0) Unreadable(failure, zip_file_strerror(file));
    if (!complete && got >= 0) failure.cause = Fault::ZipEntrySize;
    zip_fclose(file);
    return complete;
}

}  // namespace corvane
