// The walk over a GPX document that collects, classifies and writes its waypoints.
#pragma once

#include <pugixml.hpp>

namespace corvane {

class CsvWriter;
struct CacheRecord;
struct RunSettings;

// Walk all descendants of document depth first in document order: each wpt element writes the
// waypoint collected so far (unless it is the document's first) and starts a new one; text nodes
// are filed into the record by the name of their parent element. The last waypoint is left in
// the record for the caller to write.
void WalkGpx(pugi::xml_node document, CacheRecord& record, const RunSettings& settings, CsvWriter& out);

}  // namespace corvane
