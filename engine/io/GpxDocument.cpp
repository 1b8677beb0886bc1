// Parsing with pugixml, converting other encodings first, and a failure's line and column.
#include "GpxDocument.h"

#include "InputEncoding.h"
#include "Utf8Continuation.h"

#include <algorithm>
#include <cstring>

namespace corvane {
namespace {

// What broke, for each parser status that points at a place in the document.
// clang-format off
const struct {
    pugi::xml_parse_status status;
    const char* what;
} kBroken[] = {
    {pugi::status_unrecognized_tag,      "tag is not valid"},
    {pugi::status_bad_pi,                "processing instruction is not valid"},
    {pugi::status_bad_comment,           "comment is not valid"},
    {pugi::status_bad_cdata,             "CDATA section is not valid"},
    {pugi::status_bad_doctype,           "document type declaration is not valid"},
    {pugi::status_bad_pcdata,            "text is not valid"},
    {pugi::status_bad_start_element,     "start tag is not valid"},
    {pugi::status_bad_attribute,         "attribute is not valid"},
    {pugi::status_bad_end_element,       "end tag is not valid"},
    {pugi::status_end_element_mismatch,  "end tag does not match"},
};
// clang-format on

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Line and column (both from 1, the column in characters) of offset in UTF-8 text
std::string LineAndColumn(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    // Continuation bytes of a UTF-8 sequence do not start a character.
    const std::size_t column =
        1 + static_cast<std::size_t>(std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart),
                                                   before.end(), [](char c) { return !IsUtf8Continuation(c); }));
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

GpxDocument::Reread CopyOf(std::shared_ptr<const std::string> text) {
    return [text](FileBytes& bytes) {
        bytes.data = std::make_unique_for_overwrite<char[]>(text->size() + 1);
        std::memcpy(bytes.data.get(), text->data(), text->size());
        bytes.size = text->size();
        return true;
    };
}

bool GpxDocument::LoadBytes(std::string_view text) {
    const Reread copy = CopyOf(std::make_shared<const std::string>(text));
    FileBytes bytes;
    copy(bytes);
    return Load(std::move(bytes), copy);
}

bool GpxDocument::Load(FileBytes bytes, const Reread& reread) {
    doc_.reset();
    error_.clear();
    buffer_ = std::move(bytes.data);
    std::size_t size = bytes.size;
    std::string_view view(buffer_.get(), size);
    if (std::all_of(view.begin(), view.end(), IsBlank)) {
        error_ = "the file is empty";
        return false;
    }
    pugi::xml_encoding encoding = pugi::encoding_auto;
    Reread original = reread;
    if (!ParserReadsEncoding(view)) {
        auto utf8 = std::make_shared<std::string>();
        if (ConvertToUtf8(view, DeclaredEncoding(view), *utf8)) {
            // The parser's offsets count in the converted text.
            original = CopyOf(utf8);
            FileBytes converted;
            original(converted);
            buffer_ = std::move(converted.data);
            size = converted.size;
            encoding = pugi::encoding_utf8;
        }
    }
    const pugi::xml_parse_result result = doc_.load_buffer_inplace(buffer_.get(), size, pugi::parse_default, encoding);
    if (!result) {
        // The bytes as parsed are of no more use, and the position is counted in a fresh copy.
        doc_.reset();
        buffer_.reset();
        if (result.status == pugi::status_no_document_element) {
            error_ = "not an XML file";
        } else if (result.status == pugi::status_out_of_memory) {
            error_ = "not enough memory";
        } else if (result.encoding != pugi::encoding_utf8) {
            // The parser converted the text itself, so its offset does not count in these bytes.
            error_ = result.description();
        } else {
            const auto broken = std::find_if(std::begin(kBroken), std::end(kBroken),
                                             [&](const auto& row) { return row.status == result.status; });
            std::string_view what = broken != std::end(kBroken) ? broken->what : result.description();
            // The parser reports a document cut short as a mismatch at its very end.
            if (result.status == pugi::status_end_element_mismatch &&
                static_cast<std::size_t>(result.offset) + 1 >= size)
                what = "the file ends before its end tags";
            error_ = Where(result.offset, what, original);
        }
        return false;
    }
    int elements = 0;
    pugi::xml_node second;
    for (pugi::xml_node node = doc_.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && ++elements == 2) second = node;
    }
    if (elements != 1) {
        error_ = elements == 0 ? "not an XML file"
                               : Where(second.offset_debug() - 1, "a second top-level element begins", original);
        doc_.reset();
        return false;
    }
    return true;
}

std::string GpxDocument::Where(std::ptrdiff_t offset, std::string_view what, const Reread& original) {
    FileBytes bytes;
    if (offset < 0 || !original || !original(bytes)) return std::string(what);
    const std::string_view text(bytes.data.get(), bytes.size);
    // Text before the first tag means this is no XML at all, whatever the parser met later.
    std::string_view start = text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
    start = start.substr(std::min(start.size(), start.find_first_not_of(" \t\r\n")));
    if (!start.starts_with('<')) return "not an XML file";
    return LineAndColumn(text, static_cast<std::size_t>(offset)) + ": " + std::string(what);
}

}  // namespace corvane
