// The 80 icons and the child waypoints' icons, and the IC01 line each is printed as.
#include "IconTable.h"

#include "AddBackslash.h"
#include "CsvWriter.h"
#include "RunSettings.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace corvane {

// Number = family base (100 F, 200 N, 300 O, 400 U; 1100 to 1400 the same with a travel
// bug) plus kind offset. Bitmap = kind stem, state letter, "Bug" for a travel bug.
// clang-format off
const std::array<IconEntry, 80> kIconTable{{
    {101, "EventF.bmp"},
    {102, "LetterboxF.bmp"},
    {104, "MicroF.bmp"},
    {105, "MulticacheF.bmp"},
    {106, "TraditionalF.bmp"},
    {107, "UnknownF.bmp"},
    {108, "VirtualF.bmp"},
    {109, "WebcamF.bmp"},
    {110, "EarthF.bmp"},
    {120, "MM_F.bmp"},
    {121, "CitoF.bmp"},
    {122, "TrigpointF.bmp"},
    {123, "parking.bmp"},
    {201, "EventN.bmp"},
    {202, "LetterboxN.bmp"},
    {204, "MicroN.bmp"},
    {205, "MulticacheN.bmp"},
    {206, "TraditionalN.bmp"},
    {207, "UnknownN.bmp"},
    {208, "VirtualN.bmp"},
    {209, "WebcamN.bmp"},
    {210, "EarthN.bmp"},
    {220, "MM_N.bmp"},
    {221, "CitoN.bmp"},
    {222, "TrigpointN.bmp"},
    {301, "EventO.bmp"},
    {302, "LetterboxO.bmp"},
    {304, "MicroO.bmp"},
    {305, "MulticacheO.bmp"},
    {306, "TraditionalO.bmp"},
    {307, "UnknownO.bmp"},
    {308, "VirtualO.bmp"},
    {309, "WebcamO.bmp"},
    {310, "EarthO.bmp"},
    {320, "MM_O.bmp"},
    {321, "CitoO.bmp"},
    {401, "EventU.bmp"},
    {402, "LetterboxU.bmp"},
    {404, "MicroU.bmp"},
    {405, "MulticacheU.bmp"},
    {406, "TraditionalU.bmp"},
    {407, "UnknownU.bmp"},
    {408, "VirtualU.bmp"},
    {409, "WebcamU.bmp"},
    {410, "EarthU.bmp"},
    {420, "MM_U.bmp"},
    {421, "CitoU.bmp"},
    {422, "TrigpointU.bmp"},
    {1101, "EventFBug.bmp"},
    {1102, "LetterboxFBug.bmp"},
    {1104, "MicroFBug.bmp"},
    {1105, "MulticacheFBug.bmp"},
    {1106, "TraditionalFBug.bmp"},
    {1107, "UnknownFBug.bmp"},
    {1120, "MM_FBug.bmp"},
    {1121, "CitoFBug.bmp"},
    {1201, "EventNBug.bmp"},
    {1202, "LetterboxNBug.bmp"},
    {1204, "MicroNBug.bmp"},
    {1205, "MulticacheNBug.bmp"},
    {1206, "TraditionalNBug.bmp"},
    {1207, "UnknownNBug.bmp"},
    {1220, "MM_NBug.bmp"},
    {1221, "CitoNBug.bmp"},
    {1301, "EventOBug.bmp"},
    {1302, "LetterboxOBug.bmp"},
    {1304, "MicroOBug.bmp"},
    {1305, "MulticacheOBug.bmp"},
    {1306, "TraditionalOBug.bmp"},
    {1307, "UnknownOBug.bmp"},
    {1320, "MM_OBug.bmp"},
    {1321, "CitoOBug.bmp"},
    {1401, "EventUBug.bmp"},
    {1402, "LetterboxUBug.bmp"},
    {1404, "MicroUBug.bmp"},
    {1405, "MulticacheUBug.bmp"},
    {1406, "TraditionalUBug.bmp"},
    {1407, "UnknownUBug.bmp"},
    {1420, "MM_UBug.bmp"},
    {1421, "CitoUBug.bmp"},
}};
// clang-format on

// Pocket queries name a cache's extra waypoints by these sym texts. Parking has its icon
// among the 80; the others are Corvane's own, numbered where the 80 leave room.
// clang-format off
const std::array<ChildIcon, 9> kChildIcons{{
    {"Parking Area",           123, "parking.bmp"},
    {"Final Location",         501, "wptFinal.bmp"},
    {"Physical Stage",         502, "wptStage.bmp"},
    {"Stages of a Multicache", 502, "wptStage.bmp"},
    {"Virtual Stage",          503, "wptVirtualStage.bmp"},
    {"Question to Answer",     504, "wptQuestion.bmp"},
    {"Reference Point",        505, "wptReference.bmp"},
    {"Trailhead",              506, "wptTrailhead.bmp"},
    {"Waypoint",               507, "wptWaypoint.bmp"},
}};
// clang-format on

const ChildIcon& FindChildIcon(std::string_view sym) {
    for (const ChildIcon& child : kChildIcons)
        if (child.sym == sym) return child;
    return kChildIcons.back();
}

namespace {

// Print the IC01 line of one icon in folder
void PrintIconLine(const std::string& folder, CsvWriter& out, int number, std::string_view bitmap) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    std::string line("IC01 , ");
    line.append(digits, end);
    line.append(", \"");
    line.append(folder);
    line.append(bitmap);
    line.push_back('"');
    out.PrintLine(line);
}

}  // namespace

std::string WriteIconTable(const RunSettings& settings, CsvWriter& out) {
    const std::string folder = AddBackslash(settings.iconFolder);
    for (const IconEntry& icon : kIconTable) PrintIconLine(folder, out, icon.number, icon.bitmap);
    if (!settings.kindsByType) return folder;
    // Parking is among the 80, and two sym texts share the stage icon: each number once.
    int last = 0;
    for (const ChildIcon& child : kChildIcons) {
        const bool inTable = std::any_of(kIconTable.begin(), kIconTable.end(),
                                         [&](const IconEntry& icon) { return icon.number == child.number; });
        if (inTable || child.number == last) continue;
        PrintIconLine(folder, out, child.number, child.bitmap);
        last = child.number;
    }
    return folder;
}

}  // namespace corvane
