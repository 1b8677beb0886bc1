// Windows paths in the extended form that the file calls take at any length.
#include "LongPath.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(LongPath, AbsoluteWithBackslashesDotsResolvedAndPrefixed) {
    const std::pair<std::wstring_view, std::wstring_view> rows[] = {
        {L"C:\\Maps\\pq.gpx", L"\\\\?\\C:\\Maps\\pq.gpx"},
        {L"c:/Maps/./old/../pq.gpx", L"\\\\?\\C:\\Maps\\pq.gpx"},
        {L"pq.gpx", L"\\\\?\\C:\\Work\\pq.gpx"},
        {L"..\\..\\pq.gpx", L"\\\\?\\C:\\pq.gpx"},
        {L"..\\Maps\\.\\pq.gpx", L"\\\\?\\C:\\Maps\\pq.gpx"},
        {L"\\Maps\\pq.gpx", L"\\\\?\\C:\\Maps\\pq.gpx"},
        {L"C:pq.gpx", L"\\\\?\\C:\\Work\\pq.gpx"},
        {L"D:pq.gpx", L"\\\\?\\D:\\pq.gpx"},
        {L"\\\\server\\share\\Maps\\..\\pq.gpx", L"\\\\?\\UNC\\server\\share\\pq.gpx"},
        {L"//server/share/pq.gpx", L"\\\\?\\UNC\\server\\share\\pq.gpx"},
        {L"C:\\Maps\\pq.gpx. . ", L"\\\\?\\C:\\Maps\\pq.gpx"},
        {L"\\\\?\\C:\\Maps\\..\\pq.gpx", L"\\\\?\\C:\\Maps\\..\\pq.gpx"},
        {L"\\\\?\\UNC\\server\\share\\pq.gpx", L"\\\\?\\UNC\\server\\share\\pq.gpx"},
        {L"\\\\.\\COM1", L"\\\\.\\COM1"},
        {L"C:\\Maps\\nul.csv", L"C:\\Maps\\nul.csv"},
        {L"", L""},
    };
    for (const auto& [path, extended] : rows) {
        EXPECT_EQ(LongPath(path, L"C:\\Work"), extended) << std::string(path.begin(), path.end());
    }
}

}  // namespace
}  // namespace corvane
