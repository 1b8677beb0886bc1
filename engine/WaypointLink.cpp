// Only the waypoint's own links count; their text and type children are not looked at.
#include "WaypointLink.h"

namespace corvane {

std::string_view WaypointLink(pugi::xml_node link) {
    return std::string_view(link.parent().name()) == "wpt" ? link.attribute("href").value() : "";
}

}  // namespace corvane
