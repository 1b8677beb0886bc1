// Why a GPX document did not load: the reason the load message shows under its fixed text.
#include "GpxDocument.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(LoadReason, SaysWhatBrokeAndWhere) {
    const struct {
        std::string_view bytes, reason;
    } cases[] = {
        {"", "the file is empty"},
        {" \r\n", "the file is empty"},
        {"hello", "not an XML file"},
        {"<gpx>\n <wpt>\n  <name>x</nam>", "line 3, column 12: end tag does not match"},
        // The name's end and the line break in an attribute are overwritten by the parser.
        {"<gpx\n v=\"1\n2\">\n<wpt></gpx>", "line 4, column 8: end tag does not match"},
        {"<gpx>\xC3\xA9\xC3\xA9<a b></a></gpx>", "line 1, column 13: attribute is not valid"},
        {"<gpx><wpt>", "line 1, column 10: the file ends before its end tags"},
        {"<a/>\n<b/>", "line 2, column 1: a second top-level element begins"},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<a>\xE9</b>", "line 2, column 7: end tag does not match"},
    };
    for (const auto& c : cases) {
        GpxDocument document;
        EXPECT_FALSE(document.LoadBytes(c.bytes)) << c.bytes;
        EXPECT_EQ(Words(document.failure()), c.reason) << c.bytes;
    }
}

}  // namespace
}  // namespace corvane
