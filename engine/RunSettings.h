// The choices of one conversion that the walk and the line writers read.
#pragma once

#include <string>

namespace corvane {

// The icon folder the icon lines name until the user names another, from the CSV file's drive
inline constexpr char kDefaultIconFolder[] = "\\MM Icons\\";

// Default-constructed, every choice holds its default: what the command line uses without its
// option, and the window on its first run. Taken once when a run starts and never changed by it,
// except the icon folder, which the icon table normalises. Texts are UTF-8. The option table
// (OptionTable.h) says how each is given on the command line, stored and shown in the window.
struct RunSettings {
    std::string iconFolder = kDefaultIconFolder;  // as typed
    std::string userName;                         // caches whose placed-by text names it are the user's own (OwnName.h)
    bool includeHints = false;                    // the comment carries the hint
    bool linkToWebsite = false;                   // the link is the cache's URL, else the CacheMate link
    bool kindsByType = false;                     // icons follow the cache type, not the container
    // Caches left out of the map, each with its own waypoints (WaypointFilter.h)
    bool leaveOutFound = false;        // those the user found
    bool leaveOutOwn = false;          // those the user placed
    bool leaveOutUnavailable = false;  // the archived and the disabled
};

}  // namespace corvane
