// Whether the output box follows a change of the GPX box, and with which name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The output box's new text after the GPX box changed from a text that gave previousDerived to
// one that gives derived ("" where no name follows): derived while the box is empty or still holds
// previousDerived; nothing when it holds a name of the user's own, which stands
std::optional<std::string> FollowOutputName(std::string_view outputBox, std::string_view previousDerived,
                                            std::string_view derived);

}  // namespace corvane
