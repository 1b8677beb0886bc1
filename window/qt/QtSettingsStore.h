// The Qt front-end's settings store: Qt's per-user settings, or an ini file.
#pragma once

#include "SettingsStore.h"

#include <QString>

namespace corvane {

// Each section is a group; each value a string.
class QtSettingsStore : public SettingsStore {
public:
    // The user's settings of the organisation "Corvane", or the ini file at file when it is not empty
    explicit QtSettingsStore(const QString& file) : file_(file) {}

    std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;

private:
    QString file_;
};

}  // namespace corvane
