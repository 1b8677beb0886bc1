// A table of the states' frame, fill and ink colours.
#include "Schemes.h"

#include <array>

namespace corvane::icons {
namespace {

struct StateScheme {
    State state;
    Scheme scheme;
};

// Not found is the plainest and brightest, since those are the caches a map is searched for;
// found and own caches step back into green and yellow; archived and disabled ones are grey.
// clang-format off
constexpr auto kStateSchemes = std::to_array<StateScheme>({
    {State::Found,       {Colour::FoundFrame, Colour::FoundGreen, Colour::White}},
    {State::NotFound,    {Colour::Black,      Colour::White,      Colour::Black}},
    {State::Own,         {Colour::OwnFrame,   Colour::Yellow,     Colour::Black}},
    {State::Unavailable, {Colour::DarkGrey,   Colour::Grey,       Colour::White}},
});
// clang-format on

}  // namespace

const Scheme kWaypointScheme{Colour::WaypointFrame, Colour::WaypointBlue, Colour::White};

Scheme SchemeOfState(State state) {
    for (const StateScheme& row : kStateSchemes) {
        if (row.state == state) return row.scheme;
    }
    return kStateSchemes.back().scheme;
}

}  // namespace corvane::icons
