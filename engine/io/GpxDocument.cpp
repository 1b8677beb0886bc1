// A GPX file read into memory once and parsed in place into a DOM tree.
#include "GpxDocument.h"

#include "InputEncoding.h"
#include "ReadFile.h"

#include <cstring>

namespace corvane {

bool GpxDocument::LoadFile(const std::string& path) {
    FileBytes bytes;
    return ReadWholeFile(path, bytes, error_) && Parse(std::move(bytes.data), bytes.size);
}

bool GpxDocument::LoadStream(std::FILE* stream) {
    FileBytes bytes;
    return ReadWholeStream(stream, bytes, error_) && Parse(std::move(bytes.data), bytes.size);
}

bool GpxDocument::LoadBytes(std::string_view text) {
    auto bytes = std::make_unique_for_overwrite<char[]>(text.size() + 1);
    std::memcpy(bytes.get(), text.data(), text.size());
    return Parse(std::move(bytes), text.size());
}

bool GpxDocument::Parse(std::unique_ptr<char[]> bytes, std::size_t size) {
    doc_.reset();
    error_.clear();
    buffer_ = std::move(bytes);
    pugi::xml_encoding encoding = pugi::encoding_auto;
    const std::string_view view(buffer_.get(), size);
    if (!ParserReadsEncoding(view)) {
        std::string utf8;
        if (ConvertToUtf8(view, DeclaredEncoding(view), utf8)) {
            buffer_ = std::make_unique_for_overwrite<char[]>(utf8.size() + 1);
            std::memcpy(buffer_.get(), utf8.data(), utf8.size());
            size = utf8.size();
            encoding = pugi::encoding_utf8;
        }
    }
    const pugi::xml_parse_result result = doc_.load_buffer_inplace(buffer_.get(), size, pugi::parse_default, encoding);
    if (!result) {
        error_ = result.description();
        return false;
    }
    int elements = 0;
    for (pugi::xml_node node = doc_.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_element) ++elements;
    if (elements != 1) {
        error_ = elements == 0 ? "no document element" : "more than one top-level element";
        doc_.reset();
        return false;
    }
    return true;
}

}  // namespace corvane
