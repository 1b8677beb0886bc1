// Each input read whole, a zip file's GPX entries in their order, each parsed into its document.
#include "GpxInputs.h"

#include "AsciiCase.h"
#include "Sniff.h"
#include "Utf8Path.h"
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

// Append the GPX entries of the zip file; false with why
bool LoadZip(FileBytes archive, GpxDocuments& documents, Failure& failure, std::uint64_t zipLimit) {
    const std::string_view bytes(archive.data.get(), archive.size);
    std::vector<ZipEntry> listed;
    if (!ZipEntries(bytes, listed, failure)) return false;
    std::vector<std::string> entries;
    std::unordered_map<std::string, std::uint64_t> sizes;
    for (const ZipEntry& entry : listed) {
        entries.push_back(entry.name);
        sizes.emplace(entry.name, entry.size);
    }
    entries = GpxEntries(std::move(entries));
    if (entries.empty()) {
        failure.cause = Fault::NoGpxInZip;
        return false;
    }
    // Real GPX compresses about ten to one, a zip bomb a thousand to one. The sizes are checked
    // before anything is inflated, and no entry is inflated beyond the size it declares.
    std::uint64_t declared = 0;
    for (const std::string& entry : entries) declared += std::min(sizes[entry], kZipSizeCap);
    if (declared > zipLimit && archive.size * kZipRatio < declared) {
        failure.cause = Fault::ZipTooLarge;
        failure.size = declared;
        return false;
    }
    for (const std::string& entry : entries) {
        FileBytes gpx;
        auto document = std::make_unique<GpxDocument>();
        const bool loaded =
            ReadZipEntry(bytes, entry, gpx, failure) && document->Load(std::move(gpx), [&](FileBytes& again) {
                Failure ignored;
                return ReadZipEntry(bytes, entry, again, ignored);
            });
        if (!loaded) {
            if (!failure.cause) failure = document->failure();
            failure.entry = entry;
            return false;
        }
        documents.push_back(std::move(document));
    }
    return true;
}

// Read and parse one input, appending its documents; false with why
bool LoadInput(const GpxInput& input, GpxDocuments& documents, Failure& failure, const ReadProgress& progress,
               std::uint64_t zipLimit, std::size_t& total) {
    FileBytes bytes;
    failure.cause = input.stream != nullptr ? ReadWholeStream(input.stream, bytes, progress)
                                            : ReadWholeFile(input.name, bytes, progress);
    if (failure.cause) return false;
    total += bytes.size;
    if (Sniff(std::string_view(bytes.data.get(), bytes.size)) == Sniffed::Zip)
        return LoadZip(std::move(bytes), documents, failure, zipLimit);
    GpxDocument::Reread reread;
    if (input.stream != nullptr) {
        // A stream cannot be read twice, so a copy is kept for the position of a failure.
        reread = CopyOf(std::make_shared<const std::string>(bytes.data.get(), bytes.size));
    } else {
        reread = [&input](FileBytes& again) { return !ReadWholeFile(input.name, again); };
    }
    auto document = std::make_unique<GpxDocument>();
    if (!document->Load(std::move(bytes), reread)) {
        failure = document->failure();
        return false;
    }
    documents.push_back(std::move(document));
    return true;
}

// The waypoints file of a pocket query's caches file: NAME-wpts.gpx for NAME.gpx; "" for any other input
std::string WaypointsFile(const GpxInput& input) {
    if (input.stream != nullptr || !AsciiLowercase(input.name).ends_with(".gpx")) return {};
    const std::string stem = input.name.substr(0, input.name.size() - 4);
    if (AsciiLowercase(stem).ends_with(kWaypointsSuffix)) return {};
    return stem + std::string(kWaypointsSuffix) + input.name.substr(stem.size());
}

bool Named(const std::vector<GpxInput>& inputs, const std::string& name) {
    const std::filesystem::path path = PathOf(name).lexically_normal();
    return std::any_of(inputs.begin(), inputs.end(), [&](const GpxInput& input) {
        return input.stream == nullptr && PathOf(input.name).lexically_normal() == path;
    });
}

}  // namespace

bool LoadGpxInputs(const std::vector<GpxInput>& inputs, GpxDocuments& documents, std::vector<std::string>& filesRead,
                   Failure& failure, const std::function<void(std::size_t)>& bytesRead, std::uint64_t zipLimit) {
    std::size_t total = 0;
    ReadProgress progress;
    if (bytesRead) progress = [&](std::size_t read) { bytesRead(total + read); };
    // Reasons name the file as given, or the stream by its name.
    const auto load = [&](const GpxInput& input) {
        failure = {};
        const bool loaded = LoadInput(input, documents, failure, progress, zipLimit, total);
        if (loaded)
            filesRead.push_back(input.name);
        else
            failure.path = input.name;
        return loaded;
    };
    for (const GpxInput& input : inputs) {
        if (!load(input)) return false;
        const std::string waypoints = WaypointsFile(input);
        if (waypoints.empty() || Named(inputs, waypoints) || load({waypoints})) continue;
        // Most caches files come without one.
        if (failure.cause != std::errc::no_such_file_or_directory) return false;
    }
    failure = {};
    return true;
}

}  // namespace corvane
