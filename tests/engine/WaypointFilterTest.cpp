// What goes on the map: each filter, a cache's own waypoints wherever they come, doubles across
// files, and a pocket query's two files.
#include "OptionList.h"
#include "Sink.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace corvane {
namespace {

// A waypoint named code, holding body
std::string W(const std::string& code, const std::string& body = "") {
    return "<wpt lat=\"1\" lon=\"2\"><name>" + code + "</name>" + body + "</wpt>";
}
const std::string kCache = "<g:cache/>", kFound = "<sym>Geocache Found</sym><g:cache/>",
                  kOwn = "<g:cache><g:placed_by>Kate</g:placed_by></g:cache>";

// Each file starts with a name of its own, which stays out of the waypoints, and the icon table comes once.
TEST(WaypointFilter, EachWaypointGoesOnTheMapOrIsCountedWhyNot) {
    const std::pair<std::string, std::string> files[] = {
        {"each", W("GC1", kFound) + W("GC2", kOwn) + W("GC3", "<g:cache available=\"FALSE\"/>") +
                     W("GC4", "<sym>Geocache Found</sym><g:cache archived=\"tRUE\"/>") + W("GC5", kCache) + W("GC6") +
                     W("OC1", kCache)},
        {"a", W("PK1") + W("GC2", kCache) + W("ST1", "<gsak:Parent>GC2</gsak:Parent>")},
        {"b", W("GC1", kFound) + W("FN1") + W("S11", "<gsak:Parent>GC1</gsak:Parent>") + W("PK2")},
        {"twice", W("GC1", kCache) + W("GC1", kCache) + W("PK1") + W("")},
        {"again", W("GC1", kFound) + W("GC3")},
        {"q.gpx", W("GC1", kFound)},
        {"q-wpts.gpx", W("PK1")}};
    // The files named, what is left out, the codes written in order, and the counts of found, own,
    // unavailable, waypoints of left-out caches and doubles
    const std::tuple<std::vector<std::string>, std::string, std::string, LeftOutCounts> rows[] = {
        {{"each"}, "", "GC1 GC2 GC3 GC4 GC5 GC6 OC1 ", {}},
        {{"each"}, "found", "GC2 GC3 GC5 GC6 OC1 ", {2, 0, 0, 0, 0}},
        {{"each"}, "own", "GC1 GC3 GC4 GC5 GC6 OC1 ", {0, 1, 0, 0, 0}},
        {{"each"}, "unavailable", "GC1 GC2 GC5 GC6 OC1 ", {0, 0, 2, 0, 0}},
        {{"each"}, "unavailable,own,found", "GC5 GC6 OC1 ", {2, 1, 1, 0, 0}},
        // Before and after their cache, in its file and in another, by code or by gsak:Parent, which wins.
        {{"a", "b"}, "found", "GC2 ST1 PK2 ", {1, 0, 0, 3, 0}},
        // Within a file a code comes each time; the first file wins, its state and its waypoints' too; a
        // waypoint without a code is no double.
        {{"twice", "again"}, "found", "GC1 GC1 PK1 - GC3 ", {0, 0, 0, 0, 1}},
        {{"twice", "twice"}, "", "GC1 GC1 PK1 - - ", {0, 0, 0, 0, 3}},
        // A pocket query's caches file brings its waypoints file, after it, unless that was named too.
        {{"q.gpx"}, "found", "", {1, 0, 0, 1, 0}},
        {{"q-wpts.gpx", "q.gpx"}, "", "PK1 GC1 ", {}},
        {{"q.gpx", "q-wpts.gpx"}, "", "GC1 PK1 ", {}},
    };
    testing::TempDir dir;
    for (const auto& [name, wpts] : files)
        dir.Write(name, "<gpx><name>HD</name>" + testing::Groundspeak(wpts) + "</gpx>");
    const auto list = std::find_if(kOptionTable.begin(), kOptionTable.end(), [](auto& r) { return !r.item.empty(); });
    for (const auto& [named, leaveOut, codes, counts] : rows) {
        for (const bool byType : {false, true}) {
            MemorySink sink;
            RunOptions options;
            options.userName = "Kate", options.kindsByType = byType, options.output.sink = &sink;
            ReadList(*list, leaveOut, options);
            for (const std::string& name : named) options.inputs.push_back({dir.path(name)});
            const RunResult result = RunConversion(options);
            std::string written;
            for (const std::string& line : testing::Lines(sink.text())) {
                const std::size_t at = line.find(",0.0,1,") + 7, end = line.find(',', at);
                if (line.starts_with("WP04")) written += (end == at ? "-" : line.substr(at, end - at)) + " ";
            }
            EXPECT_EQ(written, codes) << named[0] << " " << leaveOut;
            EXPECT_EQ(testing::Lines(sink.text()).size(), (byType ? 87 : 80) + result.waypoints) << named[0];
            EXPECT_EQ(result.leftOutBy, counts) << named[0] << " " << leaveOut;
        }
    }
}

}  // namespace
}  // namespace corvane
