// The WP04 line of one waypoint.
#include "WaypointLine.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "IconNumber.h"
#include "WindowToolkit.h"

#include <charconv>

namespace corvane {

void BuildWaypointLine(const CacheRecord& record, bool linkToWebsite, bool includeHints, std::string& line) {
    char icon[8];
    const auto iconEnd = std::to_chars(icon, icon + sizeof icon, IconNumber(StatusCode(record))).ptr;

    line.assign("WP04,");
    line += record.Latitude;
    line += ',';
    line += record.Longitude;
    line += ',';
    line.append(icon, iconEnd);

    line += ",\"";
    line += record.CacheName;
    line += " (";
    line += record.Difficulty;
    line += '/';
    line += record.Terrain;
    line += ' ';
    line += record.TypeCode;
    line += ")\"";

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
    line += record.TypeName;
    line += ",0";
}

void WriteWaypoint(const CacheRecord& record, WindowToolkit& window, CsvWriter& out) {
    const bool linkToWebsite = window.optURL0();
    const bool includeHints = window.chkHint() == 1;
    std::string line;
    BuildWaypointLine(record, linkToWebsite, includeHints, line);
    out.PrintLine(line);
    out.CountWaypoint();
}

}  // namespace corvane
