// The settings' keys and defaults, read and written in one order.
#include "modPath.h"

namespace corvane {

namespace {

struct SettingsKey {
    const char* key;
    std::string modPath::*variable;
    const char* fallback;  // the value when the store has none; null: the first-run icon folder
    bool saved;
};

// Load and save walk this list top to bottom.
// clang-format off
const SettingsKey kKeys[] = {
    {"GPXPath", &modPath::GPXPath, "", true},
    {"CSVPath", &modPath::CSVPath, "", true},
    {"IconPath", &modPath::IconPath, nullptr, true},
    {"Name", &modPath::Name, "", true},
    {"Include", &modPath::Include, "C", true},
    {"Hint", &modPath::Hint, "N", true},
    {"Kinds", &modPath::Kinds, "Container", true},
    {"Encoding", &modPath::Encoding, "", false},
};
// clang-format on

const std::string kAppName = "Corvane";
const std::string kSection = "Startup";

}  // namespace

// Only an absent icon folder takes the first-run one: an empty one was stored by the user.
void modPath::LoadSettings(SettingsStore& store, const std::string& firstRunIconPath) {
    for (const SettingsKey& k : kKeys)
        this->*k.variable =
            store.GetSetting(kAppName, kSection, k.key, k.fallback != nullptr ? k.fallback : firstRunIconPath);
}

void modPath::SaveSettings(SettingsStore& store) const {
    for (const SettingsKey& k : kKeys) {
        if (k.saved) store.SaveSetting(kAppName, kSection, k.key, this->*k.variable);
    }
}

}  // namespace corvane
