// The texts that tell how a conversion went.
#include "Messages.h"

namespace corvane {

std::string LeftOutLine(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " waypoint" : " waypoints") + " without coordinates left out";
}

}  // namespace corvane
