// Which waypoints of a run stay off the map: doubles from an earlier file, and the caches the
// options leave out, each with its own waypoints.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_set>

namespace corvane {

struct CacheRecord;
struct RunSettings;

// Why a waypoint stays off the map, in the order the report tells them
enum class LeftOutBy {
    Found,         // a cache the user found
    Own,           // a cache the user placed
    Unavailable,   // an archived or disabled cache
    CacheLeftOut,  // a waypoint without cache data whose cache was left out
    Double,        // its code came from an earlier file of the run
};
// The waypoints left out for each reason, by LeftOutBy
using LeftOutCounts = std::array<std::size_t, 5>;

// A waypoint belongs to the cache its gsak:Parent names, or else to the one whose code is its own
// after the first two characters (PK1ABCD and FN1ABCD to GC1ABCD). Its cache may come before or
// after it, in its file or another, so a run that leaves caches out lets the filter learn them,
// over every file, before it judges the first waypoint. Each waypoint is left out for the first
// reason that holds: a double, then its state, then its cache's. Within one file a code may come
// any number of times; the first file that holds a code is the one that counts.
class WaypointFilter {
public:
    explicit WaypointFilter(const RunSettings& settings) : settings_(settings) {}

    // True when the options leave caches out, so that they must be learnt first
    bool LeavesCachesOut() const;
    // Learn whether the waypoint is a cache that the options leave out
    void Learn(const CacheRecord& record);
    // Go back to the first file, keeping the caches learnt
    void Rewind();
    // Why the waypoint stays off the map; none when it goes on it
    std::optional<LeftOutBy> Judge(const CacheRecord& record);
    // The waypoints to come are the next file's; call it before each file, the first too
    void NextFile();

private:
    // True when the waypoint's code came from an earlier file; its code now came from this one
    bool Double(const CacheRecord& record);
    // The state the options leave the waypoint out for
    std::optional<LeftOutBy> LeftOutState(const CacheRecord& record) const;

    const RunSettings& settings_;
    std::unordered_set<std::string> earlierFiles_, thisFile_;  // codes met
    std::unordered_set<std::string> leftOut_;                  // codes of caches left out
    std::unordered_set<std::string> leftOutTails_;             // the same after their first two characters
};

}  // namespace corvane
