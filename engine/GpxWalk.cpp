// The walk: the parser's own traversal and the text rows that fill the record.
#include "GpxWalk.h"

#include "AsciiCase.h"
#include "CacheRecord.h"
#include "OwnName.h"
#include "RunSettings.h"
#include "WaypointLink.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace corvane {
namespace {

struct Walk {
    CacheRecord& record;
    const RunSettings& settings;
    const CollectedWaypoint& collected;
};

void ContainerRule(Walk& walk, std::string_view text) {
    const Container container = ContainerOfText(text);
    walk.record.Containers.push_back(container);
    // A micro container makes the cache a Micro whatever its type.
    if (container == Container::Micro) walk.record.TypeWord = CacheType::Micro;
}

// The type text replaces what the container texts before it said.
void SetType(CacheRecord& record, CacheType type) {
    record.TypeWord = type;
    record.Type = type;
    record.Containers.clear();
}

void TypeRule(Walk& walk, std::string_view text) {
    // Only the cache's first type text counts; log entries carry type texts as well.
    if (walk.record.TypeText.empty()) walk.record.TypeText.assign(text);
    if (!walk.record.TypeWord) SetType(walk.record, TypeOfText(text));
}

bool ContainsIgnoringCase(std::string_view text, std::string_view upperNeedle) {
    return std::search(text.begin(), text.end(), upperNeedle.begin(), upperNeedle.end(),
                       [](char a, char b) { return AsciiUpper(a) == b; }) != text.end();
}

void NameRule(Walk& walk, std::string_view text) {
    // The cache name comes first; travel bugs further down carry names of their own.
    if (!walk.record.CacheName.empty()) return;
    walk.record.CacheName.assign(text);
    // The Motorway series has icons of its own, whatever type the listing gives.
    if (ContainsIgnoringCase(text, "MOTORWAY MAHEM")) SetType(walk.record, CacheType::Motorway);
}

void HintRule(Walk& walk, std::string_view text) {
    std::string& hint = walk.record.Hint;
    if (text.find('\r') == std::string_view::npos) {
        hint.assign(text);
        return;
    }
    hint.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            hint += ' ';
            ++i;
        } else {
            hint += text[i];
        }
    }
}

void SymRule(Walk& walk, std::string_view text) {
    walk.record.Symbol.assign(text);
    if (text == "Geocache Found")
        walk.record.Found = State::Found;
    else if (text == "Geocache")
        walk.record.Found = State::NotFound;
}

void PlacedByRule(Walk& walk, std::string_view text) {
    if (PlacedByName(text, walk.settings.userName)) walk.record.Found = State::Own;
}

// Text nodes are filed by the name of the element that holds them; the first row whose
// name matches acts, and text in any other element is passed over.
struct TextRow {
    std::string_view parent;
    void (*action)(Walk&, std::string_view);
};

constexpr TextRow kTextRows[] = {
    {"groundspeak:container", ContainerRule},
    {"groundspeak:type", TypeRule},
    {"url", [](Walk& w, std::string_view t) { w.record.CacheURL.assign(t); }},
    {"groundspeak:terrain", [](Walk& w, std::string_view t) { w.record.Terrain.assign(t); }},
    {"groundspeak:difficulty", [](Walk& w, std::string_view t) { w.record.Difficulty.assign(t); }},
    {"groundspeak:encoded_hints", HintRule},
    {"groundspeak:name", NameRule},
    {"name", [](Walk& w, std::string_view t) { w.record.WaypointCode.assign(t); }},
    {"desc", [](Walk& w, std::string_view t) { w.record.Description.assign(t); }},
    {"cmt", [](Walk& w, std::string_view t) { w.record.Comment.assign(t); }},
    {"sym", SymRule},
    {"groundspeak:placed_by", PlacedByRule},
    {"gsak:Parent", [](Walk& w, std::string_view t) { w.record.Parent.assign(t); }},
};

// Most text of a GPX file (descriptions, logs) is in elements that no row names; a mask of
// the row names' lengths passes over most of it without comparing names.
constexpr std::uint64_t kParentLengths = [] {
    std::uint64_t mask = 0;
    for (const TextRow& row : kTextRows) mask |= std::uint64_t{1} << row.parent.size();
    return mask;
}();

void FileText(Walk& walk, std::string_view parent, const char* text) {
    if (parent.size() >= 64 || (kParentLengths >> parent.size() & 1) == 0) return;
    for (const TextRow& row : kTextRows) {
        if (row.parent == parent) {
            row.action(walk, text);
            return;
        }
    }
}

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() && ContainsIgnoringCase(text, upper);
}

// Groundspeak writes "True" and "False"; other tools write them in other letter cases.
bool IsUnavailable(pugi::xml_node cache) {
    return EqualsIgnoringCase(cache.attribute("archived").value(), "TRUE") ||
           EqualsIgnoringCase(cache.attribute("available").value(), "FALSE");
}

void StartWaypoint(Walk& walk, pugi::xml_node wpt) {
    CacheRecord& record = walk.record;
    if (record.FirstWaypoint)
        record.FirstWaypoint = false;
    else
        walk.collected(record);
    record.Reset();
    // Position decides, not the attribute's name: GPX writers put lat before lon.
    const pugi::xml_attribute first = wpt.first_attribute();
    const pugi::xml_attribute second = first.next_attribute();
    record.Latitude = first.value();
    record.Longitude = second.value();
}

// The parser's own traversal visits every node depth first in document order, each node
// before its descendants, and keeps its place without recursion: the depth of a document
// is not limited by the depth of the call stack.
class Walker : public pugi::xml_tree_walker {
public:
    explicit Walker(Walk walk) : walk_(walk) {}

    bool for_each(pugi::xml_node& node) override {
        switch (node.type()) {
        case pugi::node_element: {
            const std::string_view name = node.name();
            if (name == "wpt") {
                StartWaypoint(walk_, node);
            } else if (name == "groundspeak:travelbug") {
                // The element is the sign, whatever it holds: its text is not used.
                walk_.record.TravelBug = true;
            } else if (name == "groundspeak:cache") {
                walk_.record.IsCache = true;
                walk_.record.Unavailable = IsUnavailable(node);
            } else if (name == "link" && walk_.record.CacheURL.empty()) {
                // GPX 1.1 has no url element: the waypoint's first link stands in, and a url wins.
                walk_.record.CacheURL = WaypointLink(node);
            }
            break;
        }
        case pugi::node_pcdata:
            FileText(walk_, node.parent().name(), node.value());
            break;
        default:
            break;
        }
        return true;
    }

private:
    Walk walk_;
};

}  // namespace

void WalkGpx(pugi::xml_node document, CacheRecord& record, const RunSettings& settings,
             const CollectedWaypoint& collected) {
    Walker walker(Walk{record, settings, collected});
    document.traverse(walker);
}

}  // namespace corvane
