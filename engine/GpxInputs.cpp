// Each input read whole, a zip file's GPX entries in their order, each parsed into its document.
#include "GpxInputs.h"

#include "AsciiCase.h"
#include "ZipArchive.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace corvane {
namespace {

constexpr std::string_view kWaypointsSuffix = "-wpts";
// A zip file may hold more GPX than the limit only when it is at least this fraction of it.
constexpr std::uint64_t kZipRatio = 100;
// Each declared size counts at most this much, so that the sum of sizes cannot wrap around.
constexpr std::uint64_t kZipSizeCap = std::uint64_t{1} << 48;

// A pocket query's "123-wpts.gpx" sorts right after its "123.gpx": by the caches file's name,
// then the caches file first, then the full name.
std::tuple<std::string, bool, std::string> EntryOrder(const std::string& name) {
    std::string stem = AsciiLowercase(name.substr(0, name.size() - 4));
    const bool waypoints = stem.ends_with(kWaypointsSuffix);
    if (waypoints) stem.resize(stem.size() - kWaypointsSuffix.size());
    return {stem, waypoints, name};
}

// Bytes as gigabytes with one decimal, rounded up so that a size over a limit never reads as the limit
std::string Gigabytes(std::uint64_t bytes) {
    constexpr std::uint64_t kTenth = 100'000'000;
    const std::uint64_t tenths = bytes / kTenth + (bytes % kTenth != 0 ? 1 : 0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " GB";
}

// The zip entries that are GPX files, in the order they are converted
std::vector<std::string> GpxEntries(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) {
        // Finder's "__MACOSX" folder holds resource forks under the same names.
        return !AsciiLowercase(name).ends_with(".gpx") || name.starts_with("__MACOSX/");
    });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return EntryOrder(a) < EntryOrder(b); });
    return names;
}

// Append the GPX entries of the zip file named name; false with the reason
bool LoadZip(const std::string& name, FileBytes archive, GpxDocuments& documents, std::string& reason,
             std::uint64_t zipLimit) {
    const std::string_view bytes(archive.data.get(), archive.size);
    std::vector<ZipEntry> listed;
    std::string error;
    if (!ZipEntries(bytes, listed, error)) {
        reason = name + ": " + error;
        return false;
    }
    std::vector<std::string> entries;
    std::unordered_map<std::string, std::uint64_t> sizes;
    for (const ZipEntry& entry : listed) {
        entries.push_back(entry.name);
        sizes.emplace(entry.name, entry.size);
    }
    entries = GpxEntries(std::move(entries));
    if (entries.empty()) {
        reason = name + ": holds no GPX file";
        return false;
    }
    // Real GPX compresses about ten to one, a zip bomb a thousand to one. The sizes are checked
    // before anything is inflated, and no entry is inflated beyond the size it declares.
    std::uint64_t declared = 0;
    for (const std::string& entry : entries) declared += std::min(sizes[entry], kZipSizeCap);
    if (declared > zipLimit && archive.size * kZipRatio < declared) {
        reason = name + ": the GPX files in it are too large to convert (" + Gigabytes(declared) + ")";
        return false;
    }
    for (const std::string& entry : entries) {
        FileBytes gpx;
        auto document = std::make_unique<GpxDocument>();
        const bool loaded =
            ReadZipEntry(bytes, entry, gpx, error) && document->Load(std::move(gpx), [&](FileBytes& again) {
                std::string ignored;
                return ReadZipEntry(bytes, entry, again, ignored);
            });
        if (!loaded) {
            reason = name + ": " + entry + ": " + (error.empty() ? document->error() : error);
            return false;
        }
        documents.push_back(std::move(document));
    }
    return true;
}

}  // namespace

bool LoadGpxInputs(const std::vector<std::string>& names, std::FILE* stream, GpxDocuments& documents,
                   std::string& reason, const std::function<void(std::size_t)>& bytesRead, std::uint64_t zipLimit) {
    std::size_t total = 0;
    for (const std::string& path : names) {
        // Reasons name the file as given, or the stream as what it is.
        const std::string name = stream != nullptr ? "standard input" : path;
        FileBytes bytes;
        std::string error;
        ReadProgress progress;
        if (bytesRead) progress = [&](std::size_t read) { bytesRead(total + read); };
        const bool read = stream != nullptr ? ReadWholeStream(stream, bytes, error, progress)
                                            : ReadWholeFile(path, bytes, error, progress);
        if (!read) {
            reason = name + ": " + error;
            return false;
        }
        total += bytes.size;
        if (LooksLikeZip(std::string_view(bytes.data.get(), bytes.size))) {
            if (!LoadZip(name, std::move(bytes), documents, reason, zipLimit)) return false;
            continue;
        }
        GpxDocument::Reread reread;
        if (stream != nullptr) {
            // A stream cannot be read twice, so a copy is kept for the position of a failure.
            reread = CopyOf(std::make_shared<const std::string>(bytes.data.get(), bytes.size));
        } else {
            reread = [&path](FileBytes& again) {
                std::string ignored;
                return ReadWholeFile(path, again, ignored);
            };
        }
        auto document = std::make_unique<GpxDocument>();
        if (!document->Load(std::move(bytes), reread)) {
            reason = name + ": " + document->error();
            return false;
        }
        documents.push_back(std::move(document));
    }
    return true;
}

}  // namespace corvane
