// What a cache's type and container texts make of it: the type table and the container table.
#pragma once

#include "Kind.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// The cache type as the container rule reads it from the type text, or the Motorway series,
// which its name gives.
enum class CacheType : std::uint8_t {
    Traditional,
    Micro,
    Multi,
    Unknown,
    Unavailable,  // temporarily unavailable
    Virtual,
    Letterbox,
    Earthcache,
    Webcam,
    AnyOther,  // a type text the table does not name by its first four letters
    Motorway,
};

// The container as its text names it.
enum class Container : std::uint8_t {
    Micro,
    Small,
    Regular,
    Large,
    Unknown,
    Other,  // also "Not chosen"
    Virtual,
    Event,
    Letterbox,
    Cito,
    Webcam,
    Earthcache,
    Trigpoint,
    AnyOther,  // a container text the table does not name
};

// The cache type of a type text, by its first four letters in either case (a shorter text
// matches no row and is AnyOther)
CacheType TypeOfText(std::string_view typeText);

// The container of a container text, by its first four letters in either case
Container ContainerOfText(std::string_view containerText);

// What a cache shows when its icon follows its type: the kind and the category word
struct TypeKind {
    Kind kind;
    std::string_view category;
};

// Kind and category for a type text that begins with a type the table gives a kind, in either
// case; micro: the container made the cache a Micro. No value for other texts
std::optional<TypeKind> KindOfType(std::string_view typeText, bool micro);

}  // namespace corvane
