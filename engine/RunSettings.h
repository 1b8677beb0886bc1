// The choices of one conversion that the walk and the line writers read.
#pragma once

#include <string>

namespace corvane {

// Taken once when a run starts and never changed by it, except the icon folder, which the icon
// table normalises. Texts are UTF-8.
struct RunSettings {
    std::string iconFolder;      // txtIcon, as typed
    std::string userName;        // txtCacher: caches whose placed-by text names it are the user's own (OwnName.h)
    bool includeHints = false;   // chkHint: the comment carries the hint
    bool linkToWebsite = false;  // optURL(0): the link is the cache's URL, else the CacheMate link
    bool kindsByType = false;    // "Icons by cache type": icons follow the cache type, not the container
};

}  // namespace corvane
