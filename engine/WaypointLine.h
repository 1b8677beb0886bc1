// The WP04 line of one waypoint.
#pragma once

namespace corvane {

class CsvWriter;
struct CacheRecord;
struct RunSettings;

// Print the record's WP04 line with the run's link and hint choices; when icons follow the
// cache type, a waypoint without coordinates (or at 0,0) is counted and left out instead
void WriteWaypoint(const CacheRecord& record, const RunSettings& settings, CsvWriter& out);

}  // namespace corvane
