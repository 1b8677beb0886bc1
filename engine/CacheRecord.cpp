// The waypoint being collected by the walk.
#include "CacheRecord.h"

namespace corvane {

void CacheRecord::Reset() {
    Latitude.clear();
    Longitude.clear();
    CacheName.clear();
    WaypointCode.clear();
    Difficulty.clear();
    Terrain.clear();
    TypeWord.reset();
    Type.reset();
    Containers.clear();
    TravelBug = false;
    Found.reset();
    TypeText.clear();
    Symbol.clear();
    Description.clear();
    Comment.clear();
    Parent.clear();
    IsCache = false;
    Unavailable = false;
    // A cache without a link or hint of its own must not be written with the previous one's.
    CacheURL.clear();
    Hint.clear();
}

}  // namespace corvane
