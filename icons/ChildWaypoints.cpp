// A table from the child waypoints' icon numbers to their symbols.
#include "ChildWaypoints.h"

#include <array>

namespace corvane::icons {
namespace {

// A physical stage and a stage of a multicache share the pin; a virtual stage is only looked at;
// a waypoint of any other kind gets a plain marker.
// clang-format off
const auto kRows = std::to_array<ChildWaypointSymbol>({
    {501, kFinalSymbol},          // Final Location
    {502, kStageSymbol},          // Physical Stage, Stages of a Multicache
    {503, kVirtualStageSymbol},   // Virtual Stage
    {504, kQuestionSymbol},       // Question to Answer
    {505, kReferenceSymbol},      // Reference Point
    {506, kTrailheadSymbol},      // Trailhead
    {507, kWaypointSymbol},       // any other sym
});
// clang-format on

}  // namespace

const std::span<const ChildWaypointSymbol> kChildWaypointSymbols = kRows;

}  // namespace corvane::icons
