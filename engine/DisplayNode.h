// The walk over the GPX document that collects, classifies and writes the waypoints.
#pragma once

#include <pugixml.hpp>

namespace corvane {

class CsvWriter;
struct CacheRecord;
struct RunSettings;

// Walk all descendants of Nodes depth first in document order: each wpt element writes the
// waypoint collected so far (unless it is the run's first) and starts a new one; text nodes
// are filed into the record by the name of their parent element. The last waypoint is left
// in the record for the caller to write.
void DisplayNode(pugi::xml_node Nodes, CacheRecord& record, const RunSettings& settings, CsvWriter& out);

}  // namespace corvane
