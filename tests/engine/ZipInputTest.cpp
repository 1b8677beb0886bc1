// Pocket queries as they arrive: the GPX entries of a zip file, in the order they are converted.
#include "GpxInputs.h"
#include "Support.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <utility>

namespace corvane {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A zip file at path holding the entries, name and bytes each, in this order
void WriteZip(const std::string& path, const Entries& entries) {
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, bytes] : entries)
        zip_file_add(archive, name.c_str(), zip_source_buffer(archive, bytes.data(), bytes.size(), 0), 0);
    ASSERT_EQ(zip_close(archive), 0);
}

std::string Gpx(const std::string& name) {
    return "<gpx><wpt><name>" + name + "</name></wpt></gpx>";
}

TEST(ZipInput, CachesBeforeTheirWaypointsThenNameOrder) {
    EXPECT_EQ(GpxEntries({"b.gpx", "123-wpts.gpx", "notes.txt", "123.GPX", "__MACOSX/._123.gpx", "a/c.gpx"}),
              (std::vector<std::string>{"123.GPX", "123-wpts.gpx", "a/c.gpx", "b.gpx"}));
}

TEST(ZipInput, EveryGpxEntryOfEveryInputInOrder) {
    testing::TempDir dir;
    WriteZip(dir.path("pq.zip"), {{"9-wpts.gpx", Gpx("W")}, {"readme.txt", "x"}, {"9.gpx", Gpx("C")}});
    const std::string plain = dir.Write("plain.gpx", Gpx("P"));
    GpxDocuments documents;
    std::string reason;
    ASSERT_TRUE(LoadGpxInputs({plain, dir.path("pq.zip")}, nullptr, documents, reason)) << reason;
    std::string names;
    for (const auto& document : documents)
        names += document->document().first_child().first_child().child_value("name");
    EXPECT_EQ(names, "PCW");
}

TEST(ZipInput, AZipThatDoesNotLoadSaysWhy) {
    testing::TempDir dir;
    WriteZip(dir.path("none.zip"), {{"readme.txt", "x"}});
    WriteZip(dir.path("bad.zip"), {{"1.gpx", Gpx("A")}, {"1-wpts.gpx", "<gpx>\n</wpt>"}});
    const std::string cut = dir.Write("cut.zip", "PK\x03\x04 and no more");
    const std::pair<std::string, std::string> cases[] = {
        {dir.path("none.zip"), ": holds no GPX file"},
        {dir.path("bad.zip"), ": 1-wpts.gpx: line 2, column 3: end tag does not match"},
        {cut, ": Not a zip archive"},
    };
    for (const auto& [zip, why] : cases) {
        GpxDocuments documents;
        std::string reason;
        EXPECT_FALSE(LoadGpxInputs({zip}, nullptr, documents, reason));
        EXPECT_EQ(reason, zip + why);
    }
}

}  // namespace
}  // namespace corvane
