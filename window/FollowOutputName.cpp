// The box follows only while it is empty or still holds the name the rule last put there.
#include "FollowOutputName.h"

namespace corvane {

// A name the rule put there is the rule's to change; anything else came from the user (typed,
// pasted or browsed) and stays. Without this the box kept the first name derived from a path
// half typed, or last time's CSV file after a new GPX file was chosen.
std::optional<std::string> FollowOutputName(std::string_view outputBox, std::string_view previousDerived,
                                            std::string_view derived) {
    if (!outputBox.empty() && outputBox != previousDerived) return std::nullopt;
    if (outputBox == derived) return std::nullopt;
    return std::string(derived);
}

}  // namespace corvane
