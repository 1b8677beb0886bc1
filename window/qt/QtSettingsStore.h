// The Qt front-end's settings store: an ini file.
#pragma once

#include "SettingsStore.h"

#include <QString>

namespace corvane {

// Each section is a group; each value a string. The one application's values fill the file.
class QtSettingsStore : public SettingsStore {
public:
    // The settings in the ini file at file (the user's own is Qt's per-user file for "Corvane")
    explicit QtSettingsStore(const QString& file) : file_(file) {}

    std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;

private:
    QString file_;
};

}  // namespace corvane
