// Saving, the same on every system: a temporary file beside the target, the order of the
// commit, writing in place, clean-up, retries and the reasons; the system calls are in
// SaveFileSystem.
#include "SaveFile.h"

#include "SaveFileSystem.h"
#include "SystemError.h"
#include "Utf8Continuation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace corvane {
namespace {

using savefs::Kind;

// The clean-up waits while this lives, so that it never meets a file half created or moved;
// nothing allocates memory meanwhile (see HoldCleanup).
class CleanupHeld {
public:
    CleanupHeld() { savefs::HoldCleanup(); }
    ~CleanupHeld() { savefs::ReleaseCleanup(); }
    CleanupHeld(const CleanupHeld&) = delete;
    CleanupHeld& operator=(const CleanupHeld&) = delete;
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
std::error_code Retried(Step step) {
    using std::chrono::milliseconds;
    milliseconds delay{10}, left{2000};
    for (;;) {
        std::error_code error;
        {
            CleanupHeld held;
            error = step();
        }
        if (!error || !Passing(error) || left.count() <= 0) return error;
        const milliseconds wait = std::min(delay, left);
        std::this_thread::sleep_for(wait);
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

// The words for a failure, the same on every system.
std::string Words(const std::error_code& error) {
    if (error.category() != std::generic_category()) return error.message();
    switch (static_cast<std::errc>(error.value())) {
    case std::errc::device_or_resource_busy:
    case std::errc::text_file_busy:
        return kInUseReason;
    case std::errc::read_only_file_system:
        return "the file is read-only";
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
        return "access is denied";
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory:
        return "the folder does not exist";
    case std::errc::is_a_directory:
        return "the name is a folder";
    case std::errc::no_space_on_device:
    case std::errc::file_too_large:
        return "the disk is full";
    case std::errc::io_error:
    case std::errc::no_such_device_or_address:
    case std::errc::no_such_device:
        return "the device reported an error";
    case std::errc::filename_too_long:
        return "the name is too long";
    case std::errc::invalid_argument:
        return "the name is not allowed";
    case std::errc::not_enough_memory:
        return "out of memory";
    default:
        return error.message();
    }
}

// Why a target with these facts may not be saved over, or no error
std::error_code Refusal(const savefs::Facts& facts) {
    if (facts.kind == Kind::Folder) return Code(std::errc::is_a_directory);
    if (facts.kind == Kind::Regular && facts.readOnly) return Code(std::errc::read_only_file_system);
    return {};
}

}  // namespace

SaveFile::SaveFile(std::string path) : target_(savefs::Resolved(path)) {}

SaveFile::~SaveFile() {
    discard();
}

bool SaveFile::fail(std::error_code error) {
    if (!error_) error_ = error ? error : Code(std::errc::io_error);
    return false;
}

std::string SaveFile::reason() const {
    return error_ ? Words(error_) : "";
}

bool SaveFile::open() {
    const savefs::Facts facts = savefs::Inspect(target_);
    if (const std::error_code refused = Refusal(facts)) return fail(refused);
    if (facts.kind == Kind::Device) {
        const std::error_code error = savefs::OpenExisting(target_, file_);
        return !error || fail(error);
    }
    const std::error_code created = createTemp();
    if (!created) return true;
    // No temporary file beside it, but the file itself may be written: the contents gather in
    // memory and replace the old ones at commit.
    if (facts.kind == Kind::Missing) return fail(created);
    const std::error_code opened = savefs::OpenExisting(target_, file_);
    if (opened) return fail(opened);
    buffered_ = true;
    return true;
}

// A new file beside the target, with a name no other file has, that tells whose it is; the
// target's name is cut (at a whole character) so that the temporary name fits wherever the
// target's name fits. The clean-up knows the name before the file exists.
std::error_code SaveFile::createTemp() {
    auto [folder, base] = SplitName(target_);
    const std::size_t longest = savefs::NameLimit(folder);
    constexpr std::size_t kAdded = 18;  // "." before the name, ".corvane-" and 8 hex digits after it
    while (!base.empty() && savefs::NameLength(base) + kAdded > longest) {
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
        CleanupHeld held;
        savefs::WatchForCleanup(temp_);
        error = savefs::CreateNew(temp_, file_);
        if (error) savefs::UnwatchForCleanup();
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
    const std::error_code error = savefs::Write(file_, data, size);
    return !error || fail(error);
}

bool SaveFile::commit() {
    if (file_ == savefs::kNoFile || error_) {
        discard();
        return fail(error_);
    }
    std::error_code error;
    if (buffered_) {
        error = savefs::Truncate(file_);
        if (!error) error = savefs::Write(file_, pending_.data(), pending_.size());
        if (!error) error = savefs::Sync(file_);
    } else if (!temp_.empty()) {
        error = savefs::Sync(file_);
    }
    const std::error_code closed = savefs::Close(file_);
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
    savefs::KeepAttributes(target_, temp_);
    const std::error_code error = Retried([this] {
        const std::error_code moved = savefs::Replace(temp_, target_);
        if (!moved) savefs::UnwatchForCleanup();
        return moved;
    });
    if (error) return recheck(error);
    temp_.clear();
    savefs::SyncFolderOf(target_);
    return {};
}

// Windows refuses a move over a file that another program holds, or that is read-only, as
// access denied; a second look at both files tells which.
std::error_code SaveFile::recheck(std::error_code error) const {
    if (error != std::errc::permission_denied) return error;
    if (savefs::Inspect(target_).readOnly) return Code(std::errc::read_only_file_system);
    if (savefs::HeldByAnother(target_) || savefs::HeldByAnother(temp_)) return Code(std::errc::device_or_resource_busy);
    return error;
}

void SaveFile::discard() {
    if (file_ != savefs::kNoFile) (void)savefs::Close(file_);
    file_ = savefs::kNoFile;
    if (temp_.empty()) return;
    (void)Retried([this] { return savefs::Remove(temp_); });
    CleanupHeld held;
    savefs::UnwatchForCleanup();
    temp_.clear();
}

bool OutputExists(const std::string& path) {
    const Kind kind = savefs::Inspect(path).kind;
    return kind != Kind::Missing && kind != Kind::Folder;
}

std::string ReplaceRefused(const std::string& path) {
    const std::error_code refused = Refusal(savefs::Inspect(savefs::Resolved(path)));
    return refused ? Words(refused) : "";
}

}  // namespace corvane
