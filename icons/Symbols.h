// The symbols drawn on the icons, as rows of pixels.
#pragma once

#include <span>
#include <string_view>

namespace corvane::icons {

// Rows of equal length, top row first: '#' is the scheme's ink, '.' leaves the badge showing,
// and k, w, r are black, white and red.
using Symbol = std::span<const std::string_view>;

// The cache kinds.
extern const Symbol kEventSymbol;        // a calendar page
extern const Symbol kLetterboxSymbol;    // an envelope
extern const Symbol kMicroSymbol;        // a small box
extern const Symbol kMulticacheSymbol;   // three boxes stacked
extern const Symbol kTraditionalSymbol;  // a box with a lid
extern const Symbol kUnknownSymbol;      // a question mark
extern const Symbol kVirtualSymbol;      // a ghost
extern const Symbol kWebcamSymbol;       // a camera
extern const Symbol kEarthSymbol;        // a globe
extern const Symbol kMotorwaySymbol;     // a road running into the distance
extern const Symbol kCitoSymbol;         // a rubbish bin
extern const Symbol kTrigpointSymbol;    // the map sign of a triangulation point
extern const Symbol kParkingSymbol;      // a P

// The waypoints that belong to a cache.
extern const Symbol kFinalSymbol;         // a chequered flag
extern const Symbol kStageSymbol;         // a map pin
extern const Symbol kVirtualStageSymbol;  // an eye
extern const Symbol kQuestionSymbol;      // a speech bubble holding a question mark
extern const Symbol kReferenceSymbol;     // cross hairs
extern const Symbol kTrailheadSymbol;     // a signpost
extern const Symbol kWaypointSymbol;      // a diamond with a dot: any other waypoint

// The travel-bug mark: a bug on a red disc
extern const Symbol kTravelBugMark;

}  // namespace corvane::icons
