// Writes the icon bitmaps into a folder, leaving any different file of the same name alone unless told.
#include "WriteIconSet.h"

#include "BmpFile.h"
#include "IconSet.h"
#include "SaveFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace corvane::icons {
namespace {

// The bytes of the file at path, or nothing when there is no file to read
std::optional<std::string> Existing(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

WriteIconsResult WriteIconSet(const std::string& dir, bool replace) {
    WriteIconsResult result;
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
        result.outcome = WriteIconsOutcome::WriteFailed;
        result.error = "cannot create the folder " + dir + (error ? ": " + error.message() : "");
        return result;
    }

    struct Pending {
        std::string path;
        std::string bytes;
    };
    std::vector<Pending> pending;
    for (const Icon& icon : IconSet()) {
        const std::filesystem::path path = std::filesystem::path(dir) / icon.bitmap;
        std::string bytes = EncodeBmp(icon.image);
        const std::optional<std::string> old = Existing(path);
        if (old == bytes) {
            result.unchanged.push_back(path.string());
            continue;
        }
        if (old) result.different.push_back(path.string());
        pending.push_back({path.string(), std::move(bytes)});
    }
    // Checked before anything is written, so a refusal leaves the folder exactly as it was.
    if (!replace && !result.different.empty()) {
        result.outcome = WriteIconsOutcome::NotReplaced;
        return result;
    }

    for (const Pending& file : pending) {
        SaveFile out(file.path);
        if (!out.open() || !out.write(file.bytes.data(), file.bytes.size()) || !out.commit()) {
            result.outcome = WriteIconsOutcome::WriteFailed;
            result.error = "cannot write " + file.path;
            return result;
        }
        result.written.push_back(file.path);
    }
    return result;
}

}  // namespace corvane::icons
