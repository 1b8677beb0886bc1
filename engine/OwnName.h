// The user's own caches: the user's geocaching name found as a whole name in a placed-by text.
#pragma once

#include <string_view>

namespace corvane {

// name without the white space at either end
std::string_view TrimmedName(std::string_view name);

// True when the name, trimmed, stands as a whole name in the placed-by text, in any letter case:
// both are case folded and composed (NFC), and the match starts at the start of the text or after
// a separator and ends at its end or before one. Separators are white space and & + , ; / ( ) [ ] |,
// so "Kate" is in "Kate & Bob" and "Corvid Kate", "mr.pete" in "Mr.Pete", but "Pete" is not in
// "Mr.Pete". An empty or all-blank name is in no text.
bool PlacedByName(std::string_view placedBy, std::string_view name);

}  // namespace corvane
