// The settings' keys and defaults, read and written in one order: the files, then the option table.
#include "Settings.h"

#include "OptionList.h"
#include "OptionTable.h"
#include "OwnName.h"

namespace corvane {

namespace {

const std::string kAppName = "Corvane";
const std::string kSection = "Startup";

// The text the store keeps for the option's value in settings; a name without the blanks that
// pasting it brought along
std::string StoredText(const OptionRow& row, const RunSettings& settings) {
    if (!row.item.empty()) return ListText(row, settings);
    if (row.text) return row.trimmed ? std::string(TrimmedName(settings.*row.text)) : settings.*row.text;
    return std::string(settings.*row.yes ? row.storedYes : row.storedNo);
}

// Set the option in settings from the text the store keeps
void ReadStoredText(const OptionRow& row, const std::string& text, RunSettings& settings) {
    // A word that names no item is passed over, as any stored text is read as it is.
    if (!row.item.empty())
        (void)ReadList(row, text, settings);
    else if (row.text)
        settings.*row.text = text;
    else
        settings.*row.yes = row.yesUnlessNo ? text != row.storedNo : text == row.storedYes;
}

}  // namespace

// Only an absent icon folder takes the first-run one: an empty one was stored by the user.
void Settings::Load(SettingsStore& store, const std::string& firstRunIconFolder) {
    RunSettings defaults;
    defaults.iconFolder = firstRunIconFolder;
    gpxPath = store.GetSetting(kAppName, kSection, "GPXPath", "");
    csvPath = store.GetSetting(kAppName, kSection, "CSVPath", "");
    for (const OptionRow& row : kOptionTable) {
        if (OptionHead(row))
            ReadStoredText(row, store.GetSetting(kAppName, kSection, std::string(row.key), StoredText(row, defaults)),
                           run);
    }
    encoding = store.GetSetting(kAppName, kSection, "Encoding", "");
}

void Settings::Save(SettingsStore& store) const {
    store.SaveSetting(kAppName, kSection, "GPXPath", gpxPath);
    store.SaveSetting(kAppName, kSection, "CSVPath", csvPath);
    for (const OptionRow& row : kOptionTable) {
        if (OptionHead(row)) store.SaveSetting(kAppName, kSection, std::string(row.key), StoredText(row, run));
    }
}

}  // namespace corvane
