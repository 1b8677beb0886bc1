// The WP04 fields of a waypoint, each built from the record as Memory Map reads it.
#include "WaypointLine.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "IconNumber.h"
#include "IconTable.h"
#include "RunSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace corvane {

namespace {

// What a line shows of the waypoint's kind.
struct Shown {
    std::int16_t icon;
    std::string_view category;
    const ChildIcon* child;  // set for a child waypoint shown with its own icon
};

Shown ShownByContainer(const CacheRecord& record) {
    return {IconNumber(StatusCode(record)), record.TypeName, nullptr};
}

// The Motorway series keeps its own icons, and a type text that names no kind falls back
// to the container.
Shown ShownByType(const CacheRecord& record) {
    if (!record.IsCache) {
        if (const ChildIcon* child = FindChildIcon(record.Symbol))
            return {static_cast<std::int16_t>(child->number), child->sym, child};
    }
    if (record.TypeName != "Motorway") {
        if (const auto kind = IconNumberByType(record.CacheType, record.TypeName == "Micro", StatusCode(record)))
            return {kind->icon, kind->category, nullptr};
    }
    return ShownByContainer(record);
}

// A child waypoint is labelled by its description ("Parking Area", "Final Location") or its
// code; it has no ratings or type letters to show.
void AppendChildName(const CacheRecord& record, std::string& line) {
    const std::string& name = record.Description.empty() ? record.WaypointCode : record.Description;
    const std::size_t start = line.size();
    line += name;
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(), '"', '\'');
}

bool IsNumber(const std::string& text) {
    // A leading plus sign is valid in GPX; from_chars takes only the minus.
    const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    return first != last && error == std::errc() && end == last && std::isfinite(value);
}

bool HasCoordinates(const CacheRecord& record) {
    return IsNumber(record.Latitude) && IsNumber(record.Longitude);
}

// Build the record's WP04 line (UTF-8, no line end) into line, replacing its contents; byType:
// icon and category follow the cache type and the child waypoint's sym
void BuildWaypointLine(const CacheRecord& record, bool linkToWebsite, bool includeHints, std::string& line,
                       bool byType) {
    const Shown shown = byType ? ShownByType(record) : ShownByContainer(record);
    char icon[8];
    const auto iconEnd = std::to_chars(icon, icon + sizeof icon, shown.icon).ptr;

    line.assign("WP04,");
    line += record.Latitude;
    line += ',';
    line += record.Longitude;
    line += ',';
    line.append(icon, iconEnd);

    line += ",\"";
    if (shown.child != nullptr) {
        AppendChildName(record, line);
    } else {
        line += record.CacheName;
        line += " (";
        line += record.Difficulty;
        line += '/';
        line += record.Terrain;
        line += ' ';
        line += record.TypeCode;
        line += ')';
    }
    line += '"';

    if (includeHints) {
        line += ",\"";
        line += record.WaypointCode;
        line += " (Hint): ";
        line += record.Hint;
        line += '"';
    } else {
        line += ',';
        line += record.WaypointCode;
    }

    line += ",\"";
    if (linkToWebsite) {
        line += record.CacheURL;
    } else {
        line += "\\cmate:";
        line += record.WaypointCode;
    }
    line += '"';

    line += ",0.0,1,";
    line += record.WaypointCode;
    line += ",1,1,";
    line += shown.category;
    line += ",0";
}

}  // namespace

void WriteWaypoint(const CacheRecord& record, const RunSettings& settings, CsvWriter& out) {
    const bool byType = settings.kindsByType;
    // Without a place the waypoint cannot be put on the map.
    if (byType && !HasCoordinates(record)) {
        out.CountLeftOut();
        return;
    }
    std::string line;
    BuildWaypointLine(record, settings.linkToWebsite, settings.includeHints, line, byType);
    out.PrintLine(line);
    out.CountWaypoint();
}

}  // namespace corvane
