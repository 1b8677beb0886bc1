// The Win32 front-end's settings store: string values in the user's registry.
#pragma once

#include "SettingsStore.h"

namespace corvane {

// Each setting is a REG_SZ value in the user's key
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>
// where Windows programs built on the same (application, section, key) settings keep theirs,
// so that settings a user already has there are picked up.
class RegistrySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

}  // namespace corvane
