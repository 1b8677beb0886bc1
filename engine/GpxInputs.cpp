// Each input read whole, a zip file's GPX entries in their order, each parsed into its document.
#include "GpxInputs.h"

#include "AsciiCase.h"
#include "ZipArchive.h"

#include <algorithm>
#include <tuple>

namespace corvane {
namespace {

constexpr std::string_view kWaypointsSuffix = "-wpts";

// A pocket query's "123-wpts.gpx" sorts right after its "123.gpx": by the caches file's name,
// then the caches file first, then the full name.
std::tuple<std::string, bool, std::string> EntryOrder(const std::string& name) {
    std::string stem = AsciiLowercase(name.substr(0, name.size() - 4));
    const bool waypoints = stem.ends_with(kWaypointsSuffix);
    if (waypoints) stem.resize(stem.size() - kWaypointsSuffix.size());
    return {stem, waypoints, name};
}

// Append the GPX entries of the zip file named name; false with the reason
bool LoadZip(const std::string& name, FileBytes archive, GpxDocuments& documents, std::string& reason) {
    const std::string_view bytes(archive.data.get(), archive.size);
    std::vector<std::string> entries;
    std::string error;
    if (!ZipEntryNames(bytes, entries, error)) {
        reason = name + ": " + error;
        return false;
    }
    entries = GpxEntries(std::move(entries));
    if (entries.empty()) {
        reason = name + ": holds no GPX file";
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

std::vector<std::string> GpxEntries(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) {
        // Finder's "__MACOSX" folder holds resource forks under the same names.
        return !AsciiLowercase(name).ends_with(".gpx") || name.starts_with("__MACOSX/");
    });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return EntryOrder(a) < EntryOrder(b); });
    return names;
}

bool LoadGpxInputs(const std::vector<std::string>& names, std::FILE* stream, GpxDocuments& documents,
                   std::string& reason, const std::function<void(std::size_t)>& bytesRead) {
    std::size_t total = 0;
    for (const std::string& path : names) {
        // Reasons name the file as given, or the stream as what it is.
        const std::string name = stream != nullptr ? "standard input" : path;
        FileBytes bytes;
        std::string error;
        const bool read = stream != nullptr ? ReadWholeStream(stream, bytes, error) : ReadWholeFile(path, bytes, error);
        if (!read) {
            reason = name + ": " + error;
            return false;
        }
        total += bytes.size;
        if (bytesRead) bytesRead(total);
        if (LooksLikeZip(std::string_view(bytes.data.get(), bytes.size))) {
            if (!LoadZip(name, std::move(bytes), documents, reason)) return false;
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
