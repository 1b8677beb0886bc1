// Every bitmap is compared with the file already there first, and only then written, each through SaveFile.
#include "WriteIconSet.h"

#include "BmpFile.h"
#include "IconSet.h"
#include "ReadFile.h"
#include "SaveFile.h"
#include "Utf8Path.h"

#include <optional>

namespace corvane::icons {
namespace {

// The bytes of the file at path, nothing when there is none; a file that cannot be read reads
// as "" so that it counts as different and is only replaced when asked
std::optional<std::string> Existing(const std::string& path) {
    if (!OutputExists(path)) return std::nullopt;
    FileBytes bytes;
    if (ReadWholeFile(path, bytes)) return std::string();
    return std::string(bytes.data.get(), bytes.size);
}

}  // namespace

WriteIconsResult WriteIconSet(const std::string& dir, bool replace) {
    WriteIconsResult result;
    const std::filesystem::path folder = PathOf(dir);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        result.outcome = WriteIconsOutcome::WriteFailed;
        result.failure = {Doing::MakeFolder, error, dir};
        return result;
    }

    struct Pending {
        std::string path;
        std::string bytes;
    };
    std::vector<Pending> pending;
    for (const Icon& icon : IconSet()) {
        // Named with the system's own separators throughout, as its users write paths.
        std::string path = Utf8Of((folder / std::string(icon.bitmap)).make_preferred());
        std::string bytes = EncodeBmp(icon.image);
        const std::optional<std::string> old = Existing(path);
        if (old == bytes) {
            result.unchanged.push_back(path);
            continue;
        }
        if (old) result.different.push_back(path);
        pending.push_back({std::move(path), std::move(bytes)});
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
            result.failure = {Doing::Save, out.error(), file.path};
            return result;
        }
        result.written.push_back(file.path);
    }
    return result;
}

std::string WriteIconsFailure(const Failure& failure) {
    const std::string what = failure.doing == Doing::MakeFolder ? "cannot create the folder " : "cannot write ";
    return what + (failure.cause ? Reason(failure) : failure.path);
}

}  // namespace corvane::icons
