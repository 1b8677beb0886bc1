// Pocket queries as they arrive: the GPX entries of a zip file, in the order they are converted.
#include "GpxInputs.h"
#include "Support.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdint>
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

// The name of each document's first waypoint, in load order, or why the inputs did not load
std::string Loaded(const std::vector<GpxInput>& inputs, std::uint64_t zipLimit = kZipLimit) {
    GpxDocuments documents;
    std::vector<std::string> files;
    Failure failure;
    if (!LoadGpxInputs(inputs, documents, files, failure, {}, zipLimit)) return Reason(failure);
    std::string names;
    for (const auto& document : documents)
        names += document->document().first_child().first_child().child_value("name");
    return names;
}

// Every GPX entry in turn, or why not, the entry named as the zip format reads its name.
TEST(ZipInput, EveryGpxEntryInTurnOrWhyNot) {
    testing::TempDir dir;
    const std::string pq = dir.path("pq.zip"), none = dir.path("none.zip"), bad = dir.path("bad.zip");
    WriteZip(pq, {{"b.gpx", Gpx("B")},
                  {"9-wpts.gpx", Gpx("W")},
                  {"readme.txt", "x"},
                  {"9.GPX", Gpx("C")},
                  {"__MACOSX/._9.gpx", "fork"},
                  {"a/c.gpx", Gpx("A")}});
    WriteZip(none, {{"readme.txt", "x"}});
    WriteZip(bad, {{"1.gpx", Gpx("A")}, {"1-wpts.gpx", "<gpx>\n</wpt>"}});
    const std::string plain = dir.Write("plain.gpx", Gpx("P")), cut = dir.Write("cut.zip", "PK\x03\x04 and no more");
    // A name without the UTF-8 flag is code page 437, even when its bytes would read as UTF-8 ("été").
    const std::string dos = dir.path("dos.zip");
    WriteZip(dos, {{"@@t@@.gpx", "<gpx>\n</wpt>"}});
    std::string bytes = testing::ReadFile(dos);
    for (std::size_t at; (at = bytes.find("@@t@@")) != std::string::npos;) bytes.replace(at, 5, "\xC3\xA9t\xC3\xA9");
    dir.Write("dos.zip", bytes);
    const std::pair<std::vector<GpxInput>, std::string> rows[] = {
        {{{plain}, {pq}}, "PCWAB"},  // each caches file before its waypoints, then name order
        {{{none}}, none + ": holds no GPX file"},
        {{{bad}}, bad + ": 1-wpts.gpx: line 2, column 3: end tag does not match"},
        {{{cut}}, cut + ": Not a zip archive"},
        {{{dos}}, dos + ": ├⌐t├⌐.gpx: line 2, column 3: end tag does not match"},
    };
    for (const auto& [inputs, expected] : rows) EXPECT_EQ(Loaded(inputs), expected);
}

// Past the limit, a zip file must be at least a hundredth of its GPX: real GPX compresses about
// ten to one, a zip bomb a thousand to one.
TEST(ZipInput, GpxFarLargerThanItsZipIsRefusedBeforeInflating) {
    testing::TempDir dir;
    const std::string bomb = dir.path("bomb.zip"), real = dir.path("real.zip");
    WriteZip(bomb, {{"a.gpx", Gpx("A")}, {"b.gpx", "<gpx>" + std::string(100'000, ' ') + "</gpx>"}});
    std::string letters;
    for (unsigned seed = 1; letters.size() < 5000; seed = seed * 1103515245 + 12345)
        letters += static_cast<char>('a' + (seed >> 16) % 26);
    WriteZip(real, {{"r.gpx", "<gpx><!--" + letters + "--><wpt><name>R</name></wpt></gpx>"}});
    EXPECT_EQ(Loaded({{bomb}}, 1000), bomb + ": the GPX files in it are too large to convert (0.1 GB)");
    EXPECT_EQ(Loaded({{bomb}}, 200'000), "A");
    EXPECT_EQ(Loaded({{real}}, 1000), "R");
}

}  // namespace
}  // namespace corvane
