// Values under HKEY_CURRENT_USER's "VB and VBA Program Settings" key, read and written as wide strings.
#include "RegistrySettingsStore.h"

#include "Utf16.h"

#include <windows.h>

namespace corvane {

namespace {

std::wstring KeyPath(const std::string& appName, const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + Utf16(appName) + L"\\" + Utf16(section);
}

}  // namespace

std::string RegistrySettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                              const std::string& key, const std::string& fallback) {
    const std::wstring path = KeyPath(appName, section);
    const std::wstring name = Utf16(key);
    // A value of another type than a string reads as absent.
    constexpr DWORD kStrings = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    std::wstring value;
    for (;;) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), kStrings, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS)
            return fallback;
        value.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), kStrings, nullptr, value.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;  // the value grew between the two reads
        if (status != ERROR_SUCCESS) return fallback;
        value.resize(wcsnlen(value.c_str(), value.size()));
        return Utf8(value);
    }
}

void RegistrySettingsStore::SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                                        const std::string& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring text = Utf16(value);
    RegSetValueExW(handle, Utf16(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

}  // namespace corvane
