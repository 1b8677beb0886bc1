// The values Corvane remembers between runs, and the keys they are stored under.
#pragma once

#include "RunSettings.h"
#include "SettingsStore.h"

#include <string>

namespace corvane {

// The remembered values. The store holds each as a plain string, never trimmed or checked; the
// options as the rows of the option table say.
struct Settings {
    std::string gpxPath;   // the GPX file
    std::string csvPath;   // the CSV file
    RunSettings run;       // every option of the option table
    std::string encoding;  // code page of the CSV file; set by hand, never saved

    // Read every key of the application "Corvane", section "Startup", each with its default when
    // absent; the icon folder's default is firstRunIconFolder
    void Load(SettingsStore& store, const std::string& firstRunIconFolder = kDefaultIconFolder);
    // Write every key but "Encoding", in the same order
    void Save(SettingsStore& store) const;
};

}  // namespace corvane
