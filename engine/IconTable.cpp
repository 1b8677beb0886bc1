// The 80 icons and the child waypoints' icons, and the IC01 line each is printed as.
#include "IconTable.h"

#include "AddBackslash.h"
#include "CsvWriter.h"
#include "RunSettings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace corvane {
namespace {

// The families by the letter their bitmaps carry: F found, N not found, O placed by the user,
// U archived or disabled; "Bug" with a travel bug.
constexpr Family F{State::Found, false}, N{State::NotFound, false}, O{State::Own, false}, U{State::Unavailable, false};
constexpr Family FBug{State::Found, true}, NBug{State::NotFound, true}, OBug{State::Own, true},
    UBug{State::Unavailable, true};

// Bitmap = kind stem, state letter, "Bug" for a travel bug; parking has none.
// clang-format off
constexpr auto kIcons = std::to_array<IconEntry>({
    {F,    Kind::Event,       "EventF.bmp"},
    {F,    Kind::Letterbox,   "LetterboxF.bmp"},
    {F,    Kind::Micro,       "MicroF.bmp"},
    {F,    Kind::Multicache,  "MulticacheF.bmp"},
    {F,    Kind::Traditional, "TraditionalF.bmp"},
    {F,    Kind::Unknown,     "UnknownF.bmp"},
    {F,    Kind::Virtual,     "VirtualF.bmp"},
    {F,    Kind::Webcam,      "WebcamF.bmp"},
    {F,    Kind::Earth,       "EarthF.bmp"},
    {F,    Kind::Motorway,    "MM_F.bmp"},
    {F,    Kind::Cito,        "CitoF.bmp"},
    {F,    Kind::Trigpoint,   "TrigpointF.bmp"},
    {F,    Kind::Parking,     "parking.bmp"},
    {N,    Kind::Event,       "EventN.bmp"},
    {N,    Kind::Letterbox,   "LetterboxN.bmp"},
    {N,    Kind::Micro,       "MicroN.bmp"},
    {N,    Kind::Multicache,  "MulticacheN.bmp"},
    {N,    Kind::Traditional, "TraditionalN.bmp"},
    {N,    Kind::Unknown,     "UnknownN.bmp"},
    {N,    Kind::Virtual,     "VirtualN.bmp"},
    {N,    Kind::Webcam,      "WebcamN.bmp"},
    {N,    Kind::Earth,       "EarthN.bmp"},
    {N,    Kind::Motorway,    "MM_N.bmp"},
    {N,    Kind::Cito,        "CitoN.bmp"},
    {N,    Kind::Trigpoint,   "TrigpointN.bmp"},
    {O,    Kind::Event,       "EventO.bmp"},
    {O,    Kind::Letterbox,   "LetterboxO.bmp"},
    {O,    Kind::Micro,       "MicroO.bmp"},
    {O,    Kind::Multicache,  "MulticacheO.bmp"},
    {O,    Kind::Traditional, "TraditionalO.bmp"},
    {O,    Kind::Unknown,     "UnknownO.bmp"},
    {O,    Kind::Virtual,     "VirtualO.bmp"},
    {O,    Kind::Webcam,      "WebcamO.bmp"},
    {O,    Kind::Earth,       "EarthO.bmp"},
    {O,    Kind::Motorway,    "MM_O.bmp"},
    {O,    Kind::Cito,        "CitoO.bmp"},
    {U,    Kind::Event,       "EventU.bmp"},
    {U,    Kind::Letterbox,   "LetterboxU.bmp"},
    {U,    Kind::Micro,       "MicroU.bmp"},
    {U,    Kind::Multicache,  "MulticacheU.bmp"},
    {U,    Kind::Traditional, "TraditionalU.bmp"},
    {U,    Kind::Unknown,     "UnknownU.bmp"},
    {U,    Kind::Virtual,     "VirtualU.bmp"},
    {U,    Kind::Webcam,      "WebcamU.bmp"},
    {U,    Kind::Earth,       "EarthU.bmp"},
    {U,    Kind::Motorway,    "MM_U.bmp"},
    {U,    Kind::Cito,        "CitoU.bmp"},
    {U,    Kind::Trigpoint,   "TrigpointU.bmp"},
    {FBug, Kind::Event,       "EventFBug.bmp"},
    {FBug, Kind::Letterbox,   "LetterboxFBug.bmp"},
    {FBug, Kind::Micro,       "MicroFBug.bmp"},
    {FBug, Kind::Multicache,  "MulticacheFBug.bmp"},
    {FBug, Kind::Traditional, "TraditionalFBug.bmp"},
    {FBug, Kind::Unknown,     "UnknownFBug.bmp"},
    {FBug, Kind::Motorway,    "MM_FBug.bmp"},
    {FBug, Kind::Cito,        "CitoFBug.bmp"},
    {NBug, Kind::Event,       "EventNBug.bmp"},
    {NBug, Kind::Letterbox,   "LetterboxNBug.bmp"},
    {NBug, Kind::Micro,       "MicroNBug.bmp"},
    {NBug, Kind::Multicache,  "MulticacheNBug.bmp"},
    {NBug, Kind::Traditional, "TraditionalNBug.bmp"},
    {NBug, Kind::Unknown,     "UnknownNBug.bmp"},
    {NBug, Kind::Motorway,    "MM_NBug.bmp"},
    {NBug, Kind::Cito,        "CitoNBug.bmp"},
    {OBug, Kind::Event,       "EventOBug.bmp"},
    {OBug, Kind::Letterbox,   "LetterboxOBug.bmp"},
    {OBug, Kind::Micro,       "MicroOBug.bmp"},
    {OBug, Kind::Multicache,  "MulticacheOBug.bmp"},
    {OBug, Kind::Traditional, "TraditionalOBug.bmp"},
    {OBug, Kind::Unknown,     "UnknownOBug.bmp"},
    {OBug, Kind::Motorway,    "MM_OBug.bmp"},
    {OBug, Kind::Cito,        "CitoOBug.bmp"},
    {UBug, Kind::Event,       "EventUBug.bmp"},
    {UBug, Kind::Letterbox,   "LetterboxUBug.bmp"},
    {UBug, Kind::Micro,       "MicroUBug.bmp"},
    {UBug, Kind::Multicache,  "MulticacheUBug.bmp"},
    {UBug, Kind::Traditional, "TraditionalUBug.bmp"},
    {UBug, Kind::Unknown,     "UnknownUBug.bmp"},
    {UBug, Kind::Motorway,    "MM_UBug.bmp"},
    {UBug, Kind::Cito,        "CitoUBug.bmp"},
});
// clang-format on
static_assert(std::adjacent_find(kIcons.begin(), kIcons.end(),
                                 [](const IconEntry& a, const IconEntry& b) { return a.number() >= b.number(); }) ==
                  kIcons.end(),
              "the icons are written in ascending number");

// Pocket queries name a cache's extra waypoints by these sym texts. Parking has its icon
// among the 80; the others are Corvane's own, numbered where the 80 leave room.
// clang-format off
constexpr auto kChildren = std::to_array<ChildIcon>({
    {"Parking Area",           123, "parking.bmp"},
    {"Final Location",         501, "wptFinal.bmp"},
    {"Physical Stage",         502, "wptStage.bmp"},
    {"Stages of a Multicache", 502, "wptStage.bmp"},
    {"Virtual Stage",          503, "wptVirtualStage.bmp"},
    {"Question to Answer",     504, "wptQuestion.bmp"},
    {"Reference Point",        505, "wptReference.bmp"},
    {"Trailhead",              506, "wptTrailhead.bmp"},
    {"Waypoint",               507, "wptWaypoint.bmp"},
});
// clang-format on

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

constinit const std::span<const IconEntry> kIconTable = kIcons;
constinit const std::span<const ChildIcon> kChildIcons = kChildren;

bool HasIcon(Family family, Kind kind) {
    return std::any_of(kIcons.begin(), kIcons.end(),
                       [&](const IconEntry& icon) { return icon.family == family && icon.kind == kind; });
}

const ChildIcon& FindChildIcon(std::string_view sym) {
    for (const ChildIcon& child : kChildren)
        if (child.sym == sym) return child;
    return kChildren.back();
}

std::string WriteIconTable(const RunSettings& settings, CsvWriter& out) {
    const std::string folder = AddBackslash(settings.iconFolder);
    for (const IconEntry& icon : kIcons) PrintIconLine(folder, out, icon.number(), icon.bitmap);
    if (!settings.kindsByType) return folder;
    // Parking is among the 80, and two sym texts share the stage icon: each number once.
    int last = 0;
    for (const ChildIcon& child : kChildren) {
        const bool inTable = std::any_of(kIcons.begin(), kIcons.end(),
                                         [&](const IconEntry& icon) { return icon.number() == child.number; });
        if (inTable || child.number == last) continue;
        PrintIconLine(folder, out, child.number, child.bitmap);
        last = child.number;
    }
    return folder;
}

}  // namespace corvane
