// The IC01 icon-definition lines at the head of every CSV file.
#pragma once

#include "Kind.h"

#include <span>
#include <string>
#include <string_view>

namespace corvane {

class CsvWriter;
struct RunSettings;

struct IconEntry {
    Family family;
    Kind kind;
    std::string_view bitmap;

    constexpr int number() const { return EncodeIcon(family, kind); }
};

// The 80 icons, in the order they are written (ascending number)
extern const std::span<const IconEntry> kIconTable;

// Whether the icon table has an icon of kind in family
bool HasIcon(Family family, Kind kind);

// A child waypoint's icon, chosen by its sym text when icons follow the cache type
struct ChildIcon {
    std::string_view sym;
    int number;
    std::string_view bitmap;
};

// The child waypoints' icons in ascending number; those outside the 80 are written after them.
// The last is the plain waypoint, for every sym text the others do not name
extern const std::span<const ChildIcon> kChildIcons;

// The child icon for a sym text (exact match), else the plain waypoint's
const ChildIcon& FindChildIcon(std::string_view sym);

// Print one IC01 line per icon (and per child icon of its own when icons follow the cache type)
// in the settings' icon folder normalised with AddBackslash; returns that folder
std::string WriteIconTable(const RunSettings& settings, CsvWriter& out);

}  // namespace corvane
