// The waypoint being collected by the walk.
#pragma once

#include "CacheTexts.h"
#include "Kind.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The walk fills it and resets it at each wpt element, the writers read it; each document
// starts with FirstWaypoint set. All texts are UTF-8.
struct CacheRecord {
    std::string Latitude;      // first attribute of the wpt element, as written
    std::string Longitude;     // second attribute of the wpt element, as written
    std::string CacheName;     // first groundspeak:name text, as written
    std::string WaypointCode;  // name text, such as a GC code
    std::string Difficulty;
    std::string Terrain;
    std::optional<State> Found;         // Found or NotFound by the sym text, Own by placed_by; none when neither said
    std::optional<CacheType> TypeWord;  // whose word the line shows as the type, such as "Traditional"
    bool TravelBug = false;             // a groundspeak:travelbug element was met
    std::string CacheURL;
    std::string Hint;                   // hint text, each CR LF pair turned into one blank
    std::optional<CacheType> Type;      // from the type text (or the Motorway series' name): the first type letter
    std::vector<Container> Containers;  // the container texts met since the type, in order: the letters after it
    std::string TypeText;               // first groundspeak:type text, as written
    std::string Symbol;                 // sym text, as written
    std::string Description;            // desc text, as written
    std::string Comment;                // cmt text, as written
    std::string Parent;                 // gsak:Parent text: the code of the cache a child waypoint belongs to
    bool IsCache = false;               // true once a groundspeak:cache element is met; child waypoints have none
    bool Unavailable = false;           // the cache is archived or not available
    bool FirstWaypoint = false;         // true while no wpt element of the current document has been met

    // Empty the record for a new waypoint; FirstWaypoint is left as it is
    void Reset();
};

}  // namespace corvane
