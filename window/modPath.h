// The inputs Corvane remembers between runs, and the keys they are stored under.
#pragma once

#include "IconTable.h"
#include "SettingsStore.h"

#include <string>

namespace corvane {

// The remembered values, as the store holds them: plain strings, never trimmed or checked.
struct modPath {
    std::string GPXPath;   // the GPX file
    std::string CSVPath;   // the CSV file
    std::string IconPath;  // the Memory Map icon directory
    std::string Name;      // the user's geocaching name
    std::string Include;   // "U" links to the web site, "C" to CacheMate
    std::string Hint;      // "Y" puts the hints into the comments
    std::string Kinds;     // "Type": icons by cache type; "Container" (the default): by container
    std::string Encoding;  // code page of the CSV file; set by hand, never saved

    // Read every key of the application "Corvane", section "Startup", each with its default when
    // absent; the icon folder's default is firstRunIconPath
    void LoadSettings(SettingsStore& store, const std::string& firstRunIconPath = kDefaultIconPath);
    // Write every key but Encoding, in the same order
    void SaveSettings(SettingsStore& store) const;
};

}  // namespace corvane
