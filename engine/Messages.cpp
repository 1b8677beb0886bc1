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

std::string InvalidBytesLine(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes") +
           " not valid in UTF-8 written as \"?\" (the GPX file is not in the encoding it declares)";
}

}  // namespace corvane
