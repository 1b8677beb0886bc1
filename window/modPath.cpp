// The inputs Corvane remembers between runs, and the per-user store that keeps them.
#include "modPath.h"

namespace corvane {

namespace {

struct SettingsKey {
    const char* key;
    QString modPath::*variable;
    const char* fallback;  // the value when the store has none
    bool saved;
};

// Load and save walk this list top to bottom.
// clang-format off
const SettingsKey kKeys[] = {
    {"GPXPath", &modPath::GPXPath, "", true},
    {"CSVPath", &modPath::CSVPath, "", true},
    {"IconPath", &modPath::IconPath, "", true},
    {"Name", &modPath::Name, "", true},
    {"Include", &modPath::Include, "C", true},
    {"Hint", &modPath::Hint, "N", true},
    {"Kinds", &modPath::Kinds, "Container", true},
    {"Encoding", &modPath::Encoding, "", false},
};
// clang-format on

const QString kSection = QStringLiteral("Startup");

}  // namespace

void modPath::LoadSettings(QSettings& store) {
    store.beginGroup(kSection);
    for (const SettingsKey& k : kKeys)
        this->*k.variable = store.value(QLatin1String(k.key), QString::fromLatin1(k.fallback)).toString();
    store.endGroup();
}

void modPath::SaveSettings(QSettings& store) const {
    store.beginGroup(kSection);
    for (const SettingsKey& k : kKeys) {
        if (k.saved) store.setValue(QLatin1String(k.key), this->*k.variable);
    }
    store.endGroup();
    store.sync();
}

std::unique_ptr<QSettings> OpenSettings(const QString& file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvane"),
                                           QStringLiteral("Corvane"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace corvane
