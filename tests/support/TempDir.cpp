// Temporary folders with names no other test holds, so parallel tests never share one.
#include "TempDir.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace corvane::testing {
namespace {

// Paths are UTF-8 text in Corvane; Windows would read a plain string in its ANSI code page.
std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string TextOf(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

TempDir::TempDir() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // create_directory is false when the name is taken.
        dir_ = base / ("corvane-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(dir_)) return;
    }
    throw std::runtime_error("no temporary folder could be created");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::path(const std::string& name) const {
    return TextOf(dir_ / PathOf(name));
}

std::string TempDir::Write(const std::string& name, const std::string& text) const {
    std::string full = path(name);
    WriteFile(full, text);
    return full;
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) names.push_back(TextOf(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(PathOf(path), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace corvane::testing
