// Every icon bitmap Corvane ships, drawn in memory.
#pragma once

#include "IconImage.h"

#include <string_view>
#include <vector>

namespace corvane::icons {

struct Icon {
    std::string_view bitmap;  // the file name, as the icon lines name it
    IconImage image;
};

// The icons of the icon table in table order, then the child waypoints' own icons in number order
std::vector<Icon> IconSet();

}  // namespace corvane::icons
