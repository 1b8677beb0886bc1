// The per-user settings store, addressed by application, section and key; each front-end has its own.
#pragma once

#include <string>

namespace corvane {

// Values are plain UTF-8 strings, stored and returned unchanged.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value saved under the key, or fallback when none is (or the store cannot be read)
    virtual std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
    // Save the value under the key, creating the application and section as needed; failures are quiet
    virtual void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace corvane
