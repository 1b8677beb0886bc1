// A waypoint's web page in GPX 1.1, which names it in link elements instead of a url element.
#pragma once

#include <pugixml.hpp>

#include <string_view>

namespace corvane {

// The href of a link element directly inside a wpt element, else "": links of the document's
// metadata, of routes or of extensions name other pages
std::string_view WaypointLink(pugi::xml_node link);

}  // namespace corvane
