// What every suite shares; see Support.h.
#include "Support.h"

#include "RunConversion.h"
#include "Sink.h"
#include "Utf8Path.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace corvane::testing {

TempDir::TempDir() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // create_directory is false when the name is taken, so parallel tests never share a folder.
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
    return Utf8Of(dir_ / PathOf(name));
}

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
    std::string full = path(name);
    std::ofstream(PathOf(full), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        names.push_back(Utf8Of(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(PathOf(path), std::ios::binary).rdbuf();
    return text.str();
}

std::string Groundspeak(std::string text) {
    for (std::size_t at = 0; (at = text.find("g:", at)) != std::string::npos; at += 2)
        if (at > 0 && (text[at - 1] == '<' || text[at - 1] == '/')) text.replace(at, 2, "groundspeak:");
    return text;
}

std::vector<std::string> Lines(std::string_view csv) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = csv.find("\r\n")) != std::string_view::npos; csv.remove_prefix(end + 2))
        lines.emplace_back(csv.substr(0, end));
    if (!csv.empty()) lines.push_back(std::string(csv) + "<no CR LF>");
    return lines;
}

std::string OakLine(std::string_view icon, std::string_view e, bool website, bool hints) {
    return "WP04,51.5,-0.1," + std::string(icon) + ",\"Oak Caf" + std::string(e) + " (1.5/2 TR)\"," +
           (hints ? "\"GC1ABCD (Hint): Under the roots\"" : "GC1ABCD") +
           (website ? ",\"http://x/GC1ABCD\"" : ",\"\\cmate:GC1ABCD\"") + ",0.0,1,GC1ABCD,1,1,Traditional,0";
}

RunSettings TestSettings() {
    RunSettings settings;
    settings.iconFolder = "\\MM Icons\\";
    return settings;
}

std::string Convert(std::string_view gpx, const RunSettings& settings, const std::string& codePage, RunResult* result) {
    TempDir dir;
    MemorySink sink;
    RunOptions options;
    static_cast<RunSettings&>(options) = settings;
    options.inputs = {{dir.Write("in.gpx", gpx)}};
    options.output.sink = &sink;
    options.codePage = codePage;
    const RunResult run = RunConversion(options);
    if (result != nullptr) *result = run;
    return sink.text();
}

}  // namespace corvane::testing
