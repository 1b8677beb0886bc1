// A GPX file read into memory once and parsed in place into a DOM tree.
#pragma once

#include <pugixml.hpp>

#include <cstdio>
#include <memory>
#include <string>

namespace corvane {

// The document does not load when the file is missing, unreadable or empty, when the
// parser reports an error, or when it holds more than one top-level element. Files that
// are damaged but readable (an unescaped "&", an HTML entity) load as the parser reads them.
class GpxDocument {
public:
    // Read and parse the file at path; false when it does not load
    bool LoadFile(const std::string& path);
    // Read and parse everything left in an open stream; false when it does not load
    bool LoadStream(std::FILE* stream);
    // Parse bytes held in memory; false when they do not load
    bool LoadBytes(std::string_view bytes);

    // The document node, whose children are the top-level nodes; empty before a load
    pugi::xml_node document() const { return doc_; }
    // Why the last load failed, or "" after a successful one
    const std::string& error() const { return error_; }

private:
    bool Parse(std::unique_ptr<char[]> bytes, std::size_t size);

    std::unique_ptr<char[]> buffer_;  // the parsed tree points into it
    pugi::xml_document doc_;
    std::string error_;
};

}  // namespace corvane
