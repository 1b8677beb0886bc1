// A private temporary folder per test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Full path of name inside the folder
    std::string path(const std::string& name) const;
    // Create or replace the file name with text; returns its full path
    std::string Write(const std::string& name, const std::string& text) const;
    // Names of the entries in the folder, sorted
    std::vector<std::string> entries() const;

private:
    std::filesystem::path dir_;
};

// The whole contents of a file, or "" when it cannot be read
std::string ReadFile(const std::string& path);

// Create or replace the file at path with bytes
void WriteFile(const std::string& path, std::string_view bytes);

}  // namespace corvane::testing
