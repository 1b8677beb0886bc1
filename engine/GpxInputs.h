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

// Read and parse every input in order, appending its documents. A zip file gives its GPX
// entries, each caches file before its "-wpts" file, otherwise in name order. False with why
// at the first input that does not load. bytesRead learns the bytes read so far as they arrive.
// A zip file whose GPX entries declare more than zipLimit bytes in all is refused unless it is
// at least a hundredth of their size.
bool LoadGpxInputs(const std::vector<GpxInput>& inputs, GpxDocuments& documents, Failure& failure,
                   const std::function<void(std::size_t)>& bytesRead = {}, std::uint64_t zipLimit = kZipLimit);

}  // namespace corvane
