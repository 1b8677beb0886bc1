// A GPX file read into memory once and parsed in place into a DOM tree.
#pragma once

#include "Failure.h"
#include "ReadFile.h"

#include <pugixml.hpp>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace corvane {

// The document does not load when the file is missing, unreadable or empty, when the
// parser reports an error, or when it holds more than one top-level element. Files that
// are damaged but readable (an unescaped "&", an HTML entity) load as the parser reads them.
// After a failed load, failure() says why: the file is empty, is no XML, or where the XML
// breaks and what broke there.
class GpxDocument {
public:
    // Reads the same bytes again; parsing in place overwrites them, and a failure's line and
    // column are counted in the bytes as they were
    using Reread = std::function<bool(FileBytes& bytes)>;

    // Parse bytes held in memory; false when they do not load
    bool LoadBytes(std::string_view bytes);
    // Parse bytes already read, taking them over; reread gives them again for a failure's position
    bool Load(FileBytes bytes, const Reread& reread);

    // The document node, whose children are the top-level nodes; empty before a load
    pugi::xml_node document() const { return doc_; }
    // Why the last load failed; no cause after a successful one
    const Failure& failure() const { return failure_; }

private:
    // Fail with what broke at offset in the bytes the parser was given; false
    bool Broken(std::ptrdiff_t offset, std::string_view what, const Reread& original);
    // Fail with cause; false
    bool Fail(std::error_code cause);

    std::unique_ptr<char[]> buffer_;  // the parsed tree points into it
    pugi::xml_document doc_;
    Failure failure_;
};

// A Reread that gives a copy of text each time
GpxDocument::Reread CopyOf(std::shared_ptr<const std::string> text);

}  // namespace corvane
