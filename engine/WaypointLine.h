// The WP04 line of one waypoint.
#pragma once

#include <string>

namespace corvane {

class CsvWriter;
class WindowToolkit;
struct CacheRecord;

// Build the record's WP04 line (UTF-8, no line end) into line, replacing its contents
void BuildWaypointLine(const CacheRecord& record, bool linkToWebsite, bool includeHints, std::string& line);

// Read the link and hint options from the window and print the record's WP04 line
void WriteWaypoint(const CacheRecord& record, WindowToolkit& window, CsvWriter& out);

}  // namespace corvane
