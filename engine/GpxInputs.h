// The GPX documents of one run: a GPX file, or every GPX entry of a zip file, for each input.
#pragma once

#include "Failure.h"
#include "GpxDocument.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

using GpxDocuments = std::vector<std::unique_ptr<GpxDocument>>;

// One GPX or zip file: the file at name or, when stream is set, that open stream, which the
// reasons call name ("standard input")
struct GpxInput {
    std::string name;
    std::FILE* stream = nullptr;
};

// The GPX a zip file may inflate to, unless the zip file is large enough to hold it honestly
inline constexpr std::uint64_t kZipLimit = std::uint64_t{1} << 30;

// Read and parse every input in order, appending its documents and the name of each file read to
// filesRead. A zip file gives its GPX entries, each caches file before its "-wpts" file, otherwise
// in name order. A pocket query's caches file NAME.gpx brings its waypoints file NAME-wpts.gpx
// from the same folder, right after it, when there is one and it was not named itself. False with
// why at the first file that does not load. bytesRead learns the bytes read so far as they arrive.
// A zip file whose GPX entries declare more than zipLimit bytes in all is refused unless it is
// at least a hundredth of their size.
bool LoadGpxInputs(const std::vector<GpxInput>& inputs, GpxDocuments& documents, std::vector<std::string>& filesRead,
                   Failure& failure, const std::function<void(std::size_t)>& bytesRead = {},
                   std::uint64_t zipLimit = kZipLimit);

}  // namespace corvane
