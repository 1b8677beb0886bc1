// The WP04 line of one waypoint.
#pragma once

#include <string>

namespace corvane {

class CsvWriter;
struct CacheRecord;
struct RunSettings;

// Build the record's WP04 line (UTF-8, no line end) into line, replacing its contents; byType:
// icon and category follow the cache type and the child waypoint's sym
void BuildWaypointLine(const CacheRecord& record, bool linkToWebsite, bool includeHints, std::string& line,
                       bool byType = false);

// Print the record's WP04 line with the run's link and hint choices; when icons follow the
// cache type, a waypoint without coordinates is counted and left out instead
void WriteWaypoint(const CacheRecord& record, const RunSettings& settings, CsvWriter& out);

}  // namespace corvane
