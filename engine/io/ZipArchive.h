// Reading the entries of a zip file held in memory, as pocket queries arrive. One
// implementation per build: libzip/, or nozip/ where the build has no zip library.
#pragma once

#include "Failure.h"
#include "ReadFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A file entry: its name (UTF-8; a name without the zip format's UTF-8 flag is read as code
// page 437) and the size its header declares once inflated
struct ZipEntry {
    std::string name;
    std::uint64_t size = 0;
};

// The archive's file entries, in archive order; false with the cause when it does not open
bool ZipEntries(std::string_view archive, std::vector<ZipEntry>& entries, Failure& failure);

// Read the entry called name, never more than the size its header declares; false with the
// cause when it cannot be read or holds more or fewer bytes
bool ReadZipEntry(std::string_view archive, const std::string& name, FileBytes& bytes, Failure& failure);

}  // namespace corvane
