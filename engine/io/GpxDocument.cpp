// Parsing with pugixml, converting other encodings first, and a failure's line and column.
#include "GpxDocument.h"

#include "InputEncoding.h"
#include "Sniff.h"
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

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Line and column (both from 1, the column in characters) of offset in UTF-8 text
void LineAndColumn(std::string_view text, std::size_t offset, Failure& failure) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    failure.line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    // Continuation bytes of a UTF-8 sequence do not start a character.
    failure.column =
        1 + static_cast<std::size_t>(std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart),
                                                   before.end(), [](char c) { return !IsUtf8Continuation(c); }));
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
    failure_ = {};
    buffer_ = std::move(bytes.data);
    std::size_t size = bytes.size;
    std::string_view view(buffer_.get(), size);
    if (std::all_of(view.begin(), view.end(), IsBlank)) return Fail(Fault::Empty);
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
        if (result.status == pugi::status_no_document_element) return Fail(Fault::NotXml);
        if (result.status == pugi::status_out_of_memory)
            return Fail(std::make_error_code(std::errc::not_enough_memory));
        // The parser converted the text itself, so its offset does not count in these bytes.
        if (result.encoding != pugi::encoding_utf8) return Broken(-1, result.description(), original);
        const auto broken = std::find_if(std::begin(kBroken), std::end(kBroken),
                                         [&](const auto& row) { return row.status == result.status; });
        std::string_view what = broken != std::end(kBroken) ? broken->what : result.description();
        // The parser reports a document cut short as a mismatch at its very end.
        if (result.status == pugi::status_end_element_mismatch && static_cast<std::size_t>(result.offset) + 1 >= size)
            what = "the file ends before its end tags";
        return Broken(result.offset, what, original);
    }
    int elements = 0;
    pugi::xml_node second;
    for (pugi::xml_node node = doc_.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element && ++elements == 2) second = node;
    }
    if (elements == 1) return true;
    if (elements == 0) return Fail(Fault::NotXml);
    return Broken(second.offset_debug() - 1, "a second top-level element begins", original);
}

bool GpxDocument::Fail(std::error_code cause) {
    doc_.reset();
    failure_.cause = cause;
    return false;
}

bool GpxDocument::Broken(std::ptrdiff_t offset, std::string_view what, const Reread& original) {
    failure_.detail = what;
    FileBytes bytes;
    if (offset < 0 || !original || !original(bytes)) return Fail(Fault::BrokenXml);
    const std::string_view text(bytes.data.get(), bytes.size);
    // Text before the first tag means this is no XML at all, whatever the parser met later.
    if (Sniff(text) != Sniffed::Xml) return Fail(Fault::NotXml);
    LineAndColumn(text, static_cast<std::size_t>(offset), failure_);
    return Fail(Fault::BrokenXml);
}

}  // namespace corvane
