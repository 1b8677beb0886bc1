// The WP04 line of one waypoint.
#pragma once

#include <string>

namespace corvane {

class CsvWriter;
class WindowToolkit;
struct CacheRecord;

// Build the record's WP04 line (UTF-8, no line end) into line, replacing its contents; byType:
// icon and category follow the cache type, its state and the child waypoint's sym, and the
// name is tidied
void BuildWaypointLine(const CacheRecord& record, bool linkToWebsite, bool includeHints, std::string& line,
                       bool byType = false);

// Read the options from the window and print the record's WP04 line; when icons follow the
// cache type, a waypoint without coordinates (or at 0,0) is counted and left out instead
void WriteWaypoint(const CacheRecord& record, WindowToolkit& window, CsvWriter& out);

}  // namespace corvane
