// The waypoint being collected by the walk, and the status code built from it.
#pragma once

#include <string>

namespace corvane {

// Lives for one run; the walk fills it, the writers read it. All texts are UTF-8.
struct CacheRecord {
    std::string Latitude;      // first attribute of the wpt element, as written
    std::string Longitude;     // second attribute of the wpt element, as written
    std::string CacheName;     // first groundspeak:name text, double quotes turned into apostrophes
    std::string WaypointCode;  // name text, such as a GC code
    std::string Difficulty;
    std::string Terrain;
    std::string FoundCode;  // "F" found, "N" not found, "O" placed by the user, or ""
    std::string TypeName;   // type word of the line, such as "Traditional"
    std::string TravelBug;  // "Y" or "N"
    std::string CacheURL;
    std::string Hint;            // hint text, each CR LF pair turned into one blank
    std::string TypeCode;        // type letter followed by container letter(s)
    std::string CacheType;       // first groundspeak:type text, as written
    std::string Symbol;          // sym text, as written
    std::string Description;     // desc text, as written
    std::string Comment;         // cmt text, as written
    bool IsCache = false;        // true once a groundspeak:cache element is met; child waypoints have none
    bool Unavailable = false;    // the cache is archived or not available
    bool FirstWaypoint = false;  // true while no wpt element of the current run has been met
};

// Reset the record for a new waypoint; FirstWaypoint is left as it is
void ClearCache(CacheRecord& record);

// TypeCode, then FoundCode, then TravelBug: the key IconNumber reads
std::string StatusCode(const CacheRecord& record);

}  // namespace corvane
