// Temporary folders, file helpers and in-memory conversions for the engine tests.
#pragma once

#include "CacheRecord.h"
#include "FakeWindow.h"
#include "LoadDocument.h"
#include "Sink.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::testing {

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Path of a file inside the folder
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Names of the entries in the folder, sorted
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Lines of a CSV text without their CR LF ends
inline std::vector<std::string> Lines(const std::string& csv) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    if (start != csv.size()) lines.push_back(csv.substr(start));
    return lines;
}

// The lines after the icon table
inline std::vector<std::string> WaypointLines(const std::string& csv) {
    std::vector<std::string> lines = Lines(csv);
    lines.erase(lines.begin(), lines.begin() + std::min<std::size_t>(80, lines.size()));
    return lines;
}

// Convert GPX text held in memory through the window's options; returns the CSV bytes
inline std::string ConvertText(std::string_view gpx, FakeWindow& window, CacheRecord& record,
                               const std::string& codePage = "utf-8") {
    TempDir dir;
    WriteFile(dir.file("in.gpx"), gpx);
    window.gpx = dir.file("in.gpx");
    if (window.mm.empty()) window.mm = dir.file("out.csv");
    MemorySink sink;
    RunOptions options;
    options.codePage = codePage;
    options.output = &sink;
    LoadDocument(window, record, options);
    return sink.text();
}

// The WP04 lines of GPX text converted with default options (CacheMate link, no hints)
inline std::vector<std::string> ConvertToLines(std::string_view gpx, FakeWindow window = {}) {
    CacheRecord record;
    return WaypointLines(ConvertText(gpx, window, record));
}

}  // namespace corvane::testing
