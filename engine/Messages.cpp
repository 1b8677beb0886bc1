// The texts that tell how a conversion went.
#include "Messages.h"

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

std::string SubstitutedLine(std::size_t count, std::string_view codePage) {
    return std::to_string(count) + (count == 1 ? " character" : " characters") + " not in " + std::string(codePage) +
           " written as \"?\"";
}

}  // namespace corvane
