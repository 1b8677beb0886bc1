// The icon-definition lines at the head of every CSV file.
#include "TestSupport.h"

#include "IconTable.h"

#include <set>

namespace corvane {
namespace {

using testing::FakeWindow;

constexpr std::string_view kNoWaypoints = "<gpx/>";

std::vector<std::string> IconLines(FakeWindow& window) {
    CacheRecord record;
    return testing::Lines(testing::ConvertText(kNoWaypoints, window, record));
}

TEST(IconTable, EightyLinesInAscendingOrderNamingTheirBitmaps) {
    FakeWindow window;
    const auto lines = IconLines(window);
    ASSERT_EQ(lines.size(), 80u);
    // Spot checks at the family boundaries and the exceptions of the bitmap naming rule.
    const struct {
        std::size_t line;
        const char* text;
    } expected[] = {
        {1, R"(IC01 , 101, "\MM Icons\EventF.bmp")"},
        {9, R"(IC01 , 110, "\MM Icons\EarthF.bmp")"},
        {13, R"(IC01 , 123, "\MM Icons\parking.bmp")"},
        {14, R"(IC01 , 201, "\MM Icons\EventN.bmp")"},
        {23, R"(IC01 , 220, "\MM Icons\MM_N.bmp")"},
        {30, R"(IC01 , 306, "\MM Icons\TraditionalO.bmp")"},
        {36, R"(IC01 , 321, "\MM Icons\CitoO.bmp")"},
        {37, R"(IC01 , 401, "\MM Icons\EventU.bmp")"},
        {48, R"(IC01 , 422, "\MM Icons\TrigpointU.bmp")"},
        {49, R"(IC01 , 1101, "\MM Icons\EventFBug.bmp")"},
        {68, R"(IC01 , 1305, "\MM Icons\MulticacheOBug.bmp")"},
        {79, R"(IC01 , 1420, "\MM Icons\MM_UBug.bmp")"},
        {80, R"(IC01 , 1421, "\MM Icons\CitoUBug.bmp")"},
    };
    for (const auto& e : expected) EXPECT_EQ(lines[e.line - 1], e.text) << "line " << e.line;

    std::set<int> numbers;
    int previous = 0;
    for (const IconEntry& icon : kIconTable) {
        EXPECT_GT(icon.number, previous);
        previous = icon.number;
        numbers.insert(icon.number);
    }
    for (int missing : {322, 223, 323, 423, 1108, 1109, 1110, 1122, 1123})
        EXPECT_FALSE(numbers.count(missing)) << missing;
}

TEST(IconTable, NormalisesTheIconDirectoryAndWritesItUnescaped) {
    const struct {
        const char* directory;
        const char* normalised;
        const char* firstLine;
    } cases[] = {
        {"\\MM Icons", "\\MM Icons\\", R"(IC01 , 101, "\MM Icons\EventF.bmp")"},
        {"\\MM Icons\\", "\\MM Icons\\", R"(IC01 , 101, "\MM Icons\EventF.bmp")"},
        {"", "\\", R"(IC01 , 101, "\EventF.bmp")"},
        {"C:/Icons/", "C:/Icons/\\", R"(IC01 , 101, "C:/Icons/\EventF.bmp")"},
        {"Icons ", "Icons \\", R"(IC01 , 101, "Icons \EventF.bmp")"},
        {R"(C:\My "Icons", 2)", R"(C:\My "Icons", 2\)", R"(IC01 , 101, "C:\My "Icons", 2\EventF.bmp")"},
    };
    for (const auto& c : cases) {
        FakeWindow window;
        window.icon = c.directory;
        const auto lines = IconLines(window);
        EXPECT_EQ(window.icon, c.normalised);
        EXPECT_EQ(window.iconSets, 1) << "the box is set back even when unchanged";
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.firstLine);
    }
}

}  // namespace
}  // namespace corvane
