// A table of the state letters' frame, fill and ink colours; an unknown state looks archived.
#include "Schemes.h"

#include <array>

namespace corvane::icons {
namespace {

struct StateScheme {
    char letter;
    Scheme scheme;
};

// Not found is the plainest and brightest, since those are the caches a map is searched for;
// found and own caches step back into green and yellow; archived and disabled ones (U) are grey.
// clang-format off
constexpr std::array<StateScheme, 4> kStateSchemes{{
    {'F', {Colour::FoundFrame, Colour::FoundGreen, Colour::White}},
    {'N', {Colour::Black,      Colour::White,      Colour::Black}},
    {'O', {Colour::OwnFrame,   Colour::Yellow,     Colour::Black}},
    {'U', {Colour::DarkGrey,   Colour::Grey,       Colour::White}},
}};
// clang-format on

}  // namespace

const Scheme kWaypointScheme{Colour::WaypointFrame, Colour::WaypointBlue, Colour::White};

Scheme SchemeOfState(char letter) {
    for (const StateScheme& row : kStateSchemes) {
        if (row.letter == letter) return row.scheme;
    }
    return kStateSchemes[3].scheme;
}

}  // namespace corvane::icons
