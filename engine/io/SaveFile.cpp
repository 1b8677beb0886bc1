// Saving, the same on every system: a temporary file beside the target, the order of the
// commit, writing in place, clean-up, retries and the causes; the system calls are reached
// through SaveFileSystem's table.
#include "SaveFile.h"

#include "Utf8Continuation.h"

#include <algorithm>
#include <cstdio>
#include <random>

namespace corvane {
namespace {

using savefs::Kind;

// The clean-up waits while this lives, so that it never meets a file half created or moved;
// nothing allocates memory meanwhile (see HoldCleanup).
class CleanupHeld {
public:
    explicit CleanupHeld(const savefs::Operations& fs) : fs_(fs) { fs_.HoldCleanup(); }
    ~CleanupHeld() { fs_.ReleaseCleanup(); }
    CleanupHeld(const CleanupHeld&) = delete;
    CleanupHeld& operator=(const CleanupHeld&) = delete;

private:
    const savefs::Operations& fs_;
};

std::error_code Code(std::errc error) {
    return std::make_error_code(error);
}

// Virus scanners and sync clients open a new file for a moment, and Windows then refuses to
// move or remove it as "in use" or "access denied"; those refusals are worth another try.
bool Passing(const std::error_code& error) {
    return error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy ||
           error == std::errc::permission_denied;
}

// Run step with the clean-up held until it succeeds or fails for a reason time will not mend,
// for about two seconds in all. The clean-up is free between tries, so Ctrl-C is not held up.
template <class Step>
std::error_code Retried(const savefs::Operations& fs, Step step) {
    using std::chrono::milliseconds;
    milliseconds delay{10}, left{2000};
    for (;;) {
        std::error_code error;
        {
            CleanupHeld held(fs);
            error = step();
        }
        if (!error || !Passing(error) || left.count() <= 0) return error;
        const milliseconds wait = std::min(delay, left);
        fs.Pause(wait);
        left -= wait;
        delay *= 2;
    }
}

// The folder part of path with its separator, and the name after it.
std::pair<std::string, std::string> SplitName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Why a target with these facts may not be saved over, or no error
std::error_code Refusal(const savefs::Facts& facts) {
    if (facts.kind == Kind::Folder) return Code(std::errc::is_a_directory);
    if (facts.kind == Kind::Regular && facts.readOnly) return Code(std::errc::read_only_file_system);
    return {};
}

}  // namespace

SaveFile::SaveFile(std::string path, const savefs::Operations& system) : fs_(system), target_(fs_.Resolved(path)) {}

SaveFile::~SaveFile() {
    discard();
}

bool SaveFile::fail(std::error_code error) {
    if (!error_) error_ = error ? error : Code(std::errc::io_error);
    return false;
}

bool SaveFile::open() {
    const savefs::Facts facts = fs_.Inspect(target_);
    if (const std::error_code refused = Refusal(facts)) return fail(refused);
    if (facts.kind == Kind::Device) {
        const std::error_code error = fs_.OpenExisting(target_, file_);
        return !error || fail(error);
    }
    const std::error_code created = createTemp();
    if (!created) return true;
    // No temporary file beside it, but the file itself may be written: the contents gather in
    // memory and replace the old ones at commit.
    if (facts.kind == Kind::Missing) return fail(created);
    const std::error_code opened = fs_.OpenExisting(target_, file_);
    if (opened) return fail(opened);
    buffered_ = true;
    return true;
}

// A new file beside the target, with a name no other file has, that tells whose it is; the
// target's name is cut (at a whole character) so that the temporary name fits wherever the
// target's name fits. The clean-up knows the name before the file exists.
std::error_code SaveFile::createTemp() {
    auto [folder, base] = SplitName(target_);
    const std::size_t longest = fs_.NameLimit(folder);
    constexpr std::size_t kAdded = 18;  // "." before the name, ".corvane-" and 8 hex digits after it
    while (!base.empty() && fs_.NameLength(base) + kAdded > longest) {
        // One whole character goes: its continuation bytes, then its first byte.
        while (!base.empty() && IsUtf8Continuation(base.back())) base.pop_back();
        if (!base.empty()) base.pop_back();
    }
    std::random_device seed;
    std::mt19937 random(seed());
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
        temp_ = folder + "." + base + ".corvane-" + suffix;
        CleanupHeld held(fs_);
        fs_.WatchForCleanup(temp_);
        error = fs_.CreateNew(temp_, file_);
        if (error) fs_.UnwatchForCleanup();
        if (error != std::errc::file_exists) break;
    }
    if (error) temp_.clear();
    return error;
}

bool SaveFile::write(const char* data, std::size_t size) {
    if (file_ == savefs::kNoFile) return fail(error_);
    if (error_) return false;
    if (buffered_) {
        pending_.append(data, size);
        return true;
    }
    const std::error_code error = fs_.Write(file_, data, size);
    return !error || fail(error);
}

bool SaveFile::commit() {
    if (file_ == savefs::kNoFile || error_) {
        discard();
        return fail(error_);
    }
    std::error_code error;
    if (buffered_) {
        error = fs_.Truncate(file_);
        if (!error) error = fs_.Write(file_, pending_.data(), pending_.size());
        if (!error) error = fs_.Sync(file_);
    } else if (!temp_.empty()) {
        error = fs_.Sync(file_);
    }
    const std::error_code closed = fs_.Close(file_);
    file_ = savefs::kNoFile;
    if (!error) error = closed;
    if (!error && !temp_.empty()) error = moveIntoPlace();
    if (error) {
        discard();
        return fail(error);
    }
    return true;
}

// The temporary file over the target, keeping the target's permissions or attributes.
std::error_code SaveFile::moveIntoPlace() {
    fs_.KeepAttributes(target_, temp_);
    const std::error_code error = Retried(fs_, [this] {
        const std::error_code moved = fs_.Replace(temp_, target_);
        if (!moved) fs_.UnwatchForCleanup();
        return moved;
    });
    if (error) return recheck(error);
    temp_.clear();
    fs_.SyncFolderOf(target_);
    return {};
}

// Windows refuses a move over a file that another program holds, or that is read-only, as
// access denied; a second look at both files tells which.
std::error_code SaveFile::recheck(std::error_code error) const {
    if (error != std::errc::permission_denied) return error;
    if (fs_.Inspect(target_).readOnly) return Code(std::errc::read_only_file_system);
    if (fs_.HeldByAnother(target_) || fs_.HeldByAnother(temp_)) return Code(std::errc::device_or_resource_busy);
    return error;
}

void SaveFile::discard() {
    if (file_ != savefs::kNoFile) (void)fs_.Close(file_);
    file_ = savefs::kNoFile;
    if (temp_.empty()) return;
    (void)Retried(fs_, [this] { return fs_.Remove(temp_); });
    CleanupHeld held(fs_);
    fs_.UnwatchForCleanup();
    temp_.clear();
}

bool OutputExists(const std::string& path) {
    const Kind kind = savefs::System().Inspect(path).kind;
    return kind != Kind::Missing && kind != Kind::Folder;
}

std::error_code ReplaceRefused(const std::string& path) {
    const savefs::Operations& fs = savefs::System();
    return Refusal(fs.Inspect(fs.Resolved(path)));
}

}  // namespace corvane
