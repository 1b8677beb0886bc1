// The filter's two passes: the caches left out learnt over every file, then each waypoint judged.
#include "WaypointFilter.h"

#include "CacheRecord.h"
#include "RunSettings.h"

namespace corvane {
namespace {

// A code after the characters that say what kind of waypoint it is; "" when it has no more
std::string Tail(const std::string& code) {
    return code.size() > 2 ? code.substr(2) : std::string();
}

}  // namespace

bool WaypointFilter::LeavesCachesOut() const {
    return settings_.leaveOutFound || settings_.leaveOutOwn || settings_.leaveOutUnavailable;
}

void WaypointFilter::Learn(const CacheRecord& record) {
    if (Double(record) || !LeftOutState(record)) return;
    leftOut_.insert(record.WaypointCode);
    if (const std::string tail = Tail(record.WaypointCode); !tail.empty()) leftOutTails_.insert(tail);
}

void WaypointFilter::Rewind() {
    earlierFiles_.clear();
    thisFile_.clear();
}

std::optional<LeftOutBy> WaypointFilter::Judge(const CacheRecord& record) {
    if (Double(record)) return LeftOutBy::Double;
    if (const auto state = LeftOutState(record)) return state;
    if (record.IsCache || leftOut_.empty()) return std::nullopt;
    const bool cacheLeftOut =
        record.Parent.empty() ? leftOutTails_.contains(Tail(record.WaypointCode)) : leftOut_.contains(record.Parent);
    return cacheLeftOut ? std::optional(LeftOutBy::CacheLeftOut) : std::nullopt;
}

void WaypointFilter::NextFile() {
    earlierFiles_.merge(thisFile_);
    thisFile_.clear();
}

bool WaypointFilter::Double(const CacheRecord& record) {
    // A waypoint without a code has nothing to be the double of.
    if (record.WaypointCode.empty()) return false;
    if (earlierFiles_.contains(record.WaypointCode)) return true;
    thisFile_.insert(record.WaypointCode);
    return false;
}

// A waypoint's state is its icon's: the last of its sym and its placed-by text decides.
std::optional<LeftOutBy> WaypointFilter::LeftOutState(const CacheRecord& record) const {
    if (settings_.leaveOutFound && record.Found == State::Found) return LeftOutBy::Found;
    if (settings_.leaveOutOwn && record.Found == State::Own) return LeftOutBy::Own;
    if (settings_.leaveOutUnavailable && record.Unavailable) return LeftOutBy::Unavailable;
    return std::nullopt;
}

}  // namespace corvane
