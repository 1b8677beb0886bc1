// What a conversion keeps from being written over: its inputs, and GPX and zip files by name or first bytes.
#include "GpxProtection.h"
#include "Support.h"

#include <gtest/gtest.h>

#include <tuple>

namespace corvane {
namespace {

TEST(GpxProtection, KeepsTheInputsAndGpxOrZipFiles) {
    testing::TempDir dir;
    const std::string gpx = dir.Write("a.gpx", testing::kOakGpx), csv = dir.Write("old.csv", "WP04,1");
    const std::string xml = dir.Write("gpx-data", "\xEF\xBB\xBF\r\n<?xml"), zip = dir.Write("pq-data", "PK\x03\x04");
    const std::string input = "the file is the GPX file being converted",
                      name = "the name is a GPX or zip file's, not a CSV file's",
                      bytes = "the file is a GPX or zip file, not a CSV file";
    // inputs, CSV name, named as the output (-o), the reason
    const std::tuple<std::vector<std::string>, std::string, bool, std::string> rows[] = {
        {{gpx}, csv, false, ""},
        {{gpx}, dir.path("new.csv"), false, ""},
        {{""}, "", false, ""},
        {{gpx}, gpx, false, input},
        {{csv, gpx}, dir.path("./a.gpx"), true, input},  // another name of the second input
        {{gpx}, dir.path("two.gpx"), false, name},
        {{gpx}, dir.path("B.ZIP"), false, name},
        {{gpx}, xml, false, bytes},
        {{gpx}, zip, false, bytes},
        {{gpx}, zip, true, ""},
    };
    for (const auto& [inputs, output, outputNamed, reason] : rows)
        EXPECT_EQ(GpxProtection(inputs, output, outputNamed), reason) << output << " " << outputNamed;
}

}  // namespace
}  // namespace corvane
