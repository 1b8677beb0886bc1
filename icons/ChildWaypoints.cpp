// The icons of the waypoints that belong to a cache: its final, stages, question and so on.
#include "ChildWaypoints.h"

namespace corvane::icons {

// A physical stage and a stage of a multicache share the pin; a virtual stage is only looked at.
// clang-format off
const std::array<ChildWaypointIcon, 6> kChildWaypointIcons{{
    {"wptFinal.bmp",        kFinalSymbol},
    {"wptStage.bmp",        kStageSymbol},
    {"wptVirtualStage.bmp", kVirtualStageSymbol},
    {"wptQuestion.bmp",     kQuestionSymbol},
    {"wptReference.bmp",    kReferenceSymbol},
    {"wptTrailhead.bmp",    kTrailheadSymbol},
}};
// clang-format on

}  // namespace corvane::icons
