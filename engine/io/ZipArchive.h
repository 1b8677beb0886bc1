// Reading the entries of a zip file held in memory, as pocket queries arrive. One
// implementation per build: libzip/, or nozip/ where the build has no zip library.
#pragma once

#include "ReadFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// True when bytes begin as a zip file does: a local entry, or the end record of an empty archive
inline bool LooksLikeZip(std::string_view bytes) {
    return bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06");
}

// The names of the archive's file entries, in archive order; false with the reason when it does not open
bool ZipEntryNames(std::string_view archive, std::vector<std::string>& names, std::string& error);

// Read the entry called name; false with the reason when it cannot be read
bool ReadZipEntry(std::string_view archive, const std::string& name, FileBytes& bytes, std::string& error);

}  // namespace corvane
