// The walk over a GPX document that collects, classifies and writes its waypoints.
#pragma once

#include <pugixml.hpp>

#include <functional>

namespace corvane {

struct CacheRecord;
struct RunSettings;

// Told each waypoint once it is collected
using CollectedWaypoint = std::function<void(const CacheRecord& record)>;

// Walk all descendants of document depth first in document order: each wpt element hands the
// waypoint collected so far (unless it is the document's first) to collected and starts a new one;
// text nodes are filed into the record by the name of their parent element. The last waypoint is
// left in the record for the caller.
void WalkGpx(pugi::xml_node document, CacheRecord& record, const RunSettings& settings,
             const CollectedWaypoint& collected);

}  // namespace corvane
