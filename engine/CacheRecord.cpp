// The waypoint being collected by the walk.
#include "CacheRecord.h"

namespace corvane {

void ClearCache(CacheRecord& record) {
    record.Latitude.clear();
    record.Longitude.clear();
    record.CacheName.clear();
    record.WaypointCode.clear();
    record.Difficulty.clear();
    record.Terrain.clear();
    record.TypeName.clear();
    record.TypeCode.clear();
    record.TravelBug = "N";
    record.FoundCode.clear();
    record.CacheType.clear();
    record.Symbol.clear();
    record.Description.clear();
    record.Comment.clear();
    record.IsCache = false;
    record.Unavailable = false;
    // A cache without a link or hint of its own must not be written with the previous one's.
    record.CacheURL.clear();
    record.Hint.clear();
}

std::string StatusCode(const CacheRecord& record) {
    std::string code;
    code.reserve(record.TypeCode.size() + record.FoundCode.size() + record.TravelBug.size());
    code += record.TypeCode;
    code += record.FoundCode;
    code += record.TravelBug;
    return code;
}

}  // namespace corvane
