// The record's marks read in line: the third gives the family, the first two the kind.
#include "IconNumber.h"

#include "CacheRecord.h"
#include "IconTable.h"

#include <array>
#include <variant>

namespace corvane {
namespace {

// The travel bug flag, the last mark of every record.
struct TravelBugMark {
    bool travelBug;
    bool operator==(const TravelBugMark&) const = default;
};

// The container rule reads a record as a line of marks: its type (when it has one), each of its
// containers in order, its found state (when known), and last its travel bug flag. The third
// mark gives the family and the first two the kind; so a record with a second container, or
// without a type, reads a container or the flag where the found state usually stands.
using Mark = std::variant<std::monostate, CacheType, Container, State, TravelBugMark>;

// The first three marks of the line; nothing past its end
std::array<Mark, 3> FirstMarks(const CacheRecord& record) {
    std::array<Mark, 3> marks{};
    std::size_t count = 0;
    const auto add = [&](Mark mark) {
        if (count < marks.size()) marks[count++] = mark;
    };
    if (record.Type) add(*record.Type);
    for (const Container container : record.Containers) add(container);
    if (record.Found) add(*record.Found);
    add(TravelBugMark{record.TravelBug});
    return marks;
}

// A container in the third place stands for a state.
struct ContainerState {
    Container container;
    State state;
    bool withTravelBug;  // also on the travel-bug side
};

// clang-format off
constexpr ContainerState kContainerStates[] = {
    {Container::Regular, State::NotFound,    false},
    {Container::Other,   State::Own,         true},
    {Container::Unknown, State::Unavailable, true},
};
// clang-format on

// The family of the third mark, on the side of the record's travel bug; none when it gives none
std::optional<Family> FamilyOfMark(const Mark& third, bool travelBug) {
    if (const State* found = std::get_if<State>(&third)) return Family{*found, travelBug};
    // The flag stands third only when it is also last: without a travel bug it reads as not found.
    if (std::holds_alternative<TravelBugMark>(third) && !travelBug) return Family{State::NotFound, false};
    if (const Container* container = std::get_if<Container>(&third)) {
        for (const ContainerState& row : kContainerStates)
            if (row.container == *container && (row.withTravelBug || !travelBug)) return Family{row.state, travelBug};
    }
    return std::nullopt;
}

// One test of the kind: when the mark in place (0 first, 1 second) is the test's, the icon
// becomes the family's icon of the kind.
struct KindTest {
    std::size_t place;
    Mark mark;
    Kind kind;
};

// Tests read from the top; a later match replaces an earlier one, and a test counts only where
// the family has an icon of its kind (no Trigpoint icon for caches placed by the user, no
// travel-bug icons of Virtual, Webcam, Earth and Trigpoint).
// clang-format off
constexpr KindTest kKindTests[] = {
    {1, Container::Event,      Kind::Event},
    {1, Container::Letterbox,  Kind::Letterbox},
    {1, Container::Micro,      Kind::Micro},
    {0, CacheType::Multi,      Kind::Multicache},
    {1, Container::Trigpoint,  Kind::Traditional},
    {1, Container::Unknown,    Kind::Unknown},
    {1, Container::Virtual,    Kind::Virtual},
    {1, Container::Webcam,     Kind::Webcam},
    {1, Container::Earthcache, Kind::Earth},
    {0, CacheType::Motorway,   Kind::Motorway},
    {0, Container::Other,      Kind::Motorway},  // a cache without a type whose first container is Other
    {1, Container::Cito,       Kind::Cito},
    {1, Container::Trigpoint,  Kind::Trigpoint},
};
// clang-format on

}  // namespace

std::int16_t IconChoice::number() const {
    return family ? EncodeIcon(*family, kind) : EncodeIcon({State::NotFound, false}, Kind::Traditional);
}

IconChoice IconByContainer(const CacheRecord& record) {
    const std::array<Mark, 3> marks = FirstMarks(record);
    const std::optional<Family> family = FamilyOfMark(marks[2], record.TravelBug);
    Kind kind = Kind::Traditional;
    if (!family) return {family, kind};
    for (const KindTest& test : kKindTests)
        if (marks[test.place] == test.mark && HasIcon(*family, test.kind)) kind = test.kind;
    return {family, kind};
}

std::int16_t IconInFamily(Family family, Kind kind) {
    // A kind without travel-bug icons shows its plain icon: the bug is still in the listing.
    for (const Family candidate : {family, Family{family.state, false}})
        if (HasIcon(candidate, kind)) return EncodeIcon(candidate, kind);
    return EncodeIcon(family, Kind::Traditional);
}

}  // namespace corvane
