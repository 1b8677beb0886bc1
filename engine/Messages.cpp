// The texts that tell how a conversion went.
#include "Messages.h"

#include <iterator>
#include <utility>

namespace corvane {

std::string WrittenLine(std::size_t count, std::string_view destination) {
    return std::to_string(count) + (count == 1 ? " waypoint" : " waypoints") + " written to " +
           std::string(destination);
}

std::string NothingWrittenLine(std::string_view path) {
    return "Nothing was written; " + std::string(path) + " is as it was.";
}

std::string LeftOutLine(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " waypoint" : " waypoints") + " without coordinates left out";
}

std::vector<std::string> LeftOutLines(const LeftOutCounts& counts) {
    // What was left out, one and more than one, by LeftOutBy
    static constexpr std::pair<std::string_view, std::string_view> kWhat[] = {
        {"cache you found", "caches you found"},
        {"of your own caches", "of your own caches"},
        {"unavailable cache", "unavailable caches"},
        {"waypoint of a left-out cache", "waypoints of left-out caches"},
        {"double", "doubles"},
    };
    static_assert(std::size(kWhat) == std::tuple_size_v<LeftOutCounts>);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::string_view what = counts[i] == 1 ? kWhat[i].first : kWhat[i].second;
        if (counts[i] != 0) lines.push_back(std::to_string(counts[i]) + " " + std::string(what) + " left out");
    }
    return lines;
}

std::string SubstitutedLine(std::size_t count, std::string_view codePage) {
    return std::to_string(count) + (count == 1 ? " character" : " characters") + " not in " + std::string(codePage) +
           " written as \"?\"";
}

std::string InvalidBytesLine(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes") +
           " not valid in UTF-8 written as \"?\" (the GPX file is not in the encoding it declares)";
}

}  // namespace corvane
