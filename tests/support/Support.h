// What every suite shares: private temporary folders, whole-file reads and writes, CSV lines,
// the one-cache GPX document and its line, and a scripted window for the engine.
#pragma once

#include "WindowToolkit.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::testing {

// A private temporary folder, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();

    // Full path of name inside the folder
    std::string path(const std::string& name) const;
    // Create or replace the file name with bytes; returns its full path
    std::string Write(const std::string& name, std::string_view bytes) const;
    // Names of the entries in the folder, sorted
    std::vector<std::string> entries() const;

private:
    std::filesystem::path dir_;
};

// The whole contents of a file, or "" when it cannot be read
std::string ReadFile(const std::string& path);

// The lines of a CSV text without their CR LF; a last line without one ends in "<no CR LF>"
std::vector<std::string> Lines(std::string_view csv);

// One found cache placed by Alice, with an accent in its name and a hint.
inline constexpr std::string_view kOakGpx =
    R"(<gpx><wpt lat="51.5" lon="-0.1"><name>GC1ABCD</name><url>http://x/GC1ABCD</url>)"
    R"(<sym>Geocache Found</sym><groundspeak:cache xmlns:groundspeak="g">)"
    R"(<groundspeak:name>Oak Café</groundspeak:name><groundspeak:type>Traditional Cache</groundspeak:type>)"
    R"(<groundspeak:container>Regular</groundspeak:container><groundspeak:difficulty>1.5</groundspeak:difficulty>)"
    R"(<groundspeak:terrain>2</groundspeak:terrain><groundspeak:placed_by>Alice</groundspeak:placed_by>)"
    R"(<groundspeak:encoded_hints>Under the roots</groundspeak:encoded_hints>)"
    R"(</groundspeak:cache></wpt></gpx>)";

// Its WP04 line with icon, the é in the output code page, and the link and hint choices
std::string OakLine(std::string_view icon = "106", std::string_view e = "\xE9", bool website = false,
                    bool hints = false);

// A window whose controls are plain fields; it records its message boxes and answers each
// question with answer.
class FakeWindow : public WindowToolkit {
public:
    std::string gpx, mm, icon = "\\MM Icons\\", cacher;
    int hint = 0;
    bool website = false;
    bool byType = false;
    int answer = kAnswerNo;
    std::vector<std::string> shown;  // "prompt|style|title" of each box
    int iconSets = 0;

    std::string txtGPX() override { return gpx; }
    std::string txtMM() override { return mm; }
    std::string txtIcon() override { return icon; }
    void setTxtIcon(const std::string& text) override { icon = text, ++iconSets; }
    std::string txtCacher() override { return cacher; }
    int chkHint() override { return hint; }
    bool optURL0() override { return website; }
    bool mnuIconsByType() override { return byType; }
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
};

// Convert GPX bytes held in memory with the window's options into the code page; the CSV bytes
std::string Convert(std::string_view gpx, FakeWindow& window, const std::string& codePage = "utf-8");

}  // namespace corvane::testing
