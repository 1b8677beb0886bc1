// The walk: the parser's own traversal, the text rows that fill the record, and the classifying keys.
#include "DisplayNode.h"

#include "AsciiCase.h"
#include "CacheRecord.h"
#include "CsvWriter.h"
#include "OwnName.h"
#include "RunSettings.h"
#include "WaypointLine.h"
#include "WaypointLink.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace corvane {
namespace {

struct Walk {
    CacheRecord& record;
    const RunSettings& settings;
    CsvWriter& out;
};

// The classification key of a text: its first four characters upper-cased. Keys are
// compared with four-letter literals, so a shorter text matches none of them.
std::array<char, 4> Key(std::string_view text) {
    std::array<char, 4> key{};
    for (std::size_t i = 0; i < key.size() && i < text.size(); ++i) {
        const char c = text[i];
        key[i] = AsciiUpper(c);
    }
    return key;
}

bool KeyIs(const std::array<char, 4>& key, std::string_view literal) {
    return std::string_view(key.data(), key.size()) == literal;
}

// Container texts: the first matching key appends its letter to TypeCode.
struct ContainerRow {
    std::string_view key;
    char letter;
    std::string_view typeName;  // replaces TypeName when not empty
};

// clang-format off
constexpr ContainerRow kContainerRows[] = {
    {"MICR", 'I', "Micro"},
    {"SMAL", 'S', {}},
    {"REGU", 'R', {}},
    {"LARG", 'G', {}},
    {"UNKN", 'U', {}},
    {"OTHE", 'O', {}},
    {"NOT ", 'O', {}},
    {"VIRT", 'V', {}},
    {"EVEN", 'E', {}},
    {"LETT", 'L', {}},
    {"CITO", 'C', {}},
    {"WEBC", 'W', {}},
    {"EART", 'A', {}},
    {"TRIG", 'T', {}},
};
// clang-format on
constexpr char kOtherContainer = 'X';

// Type texts: the first matching key sets TypeName and TypeCode.
struct TypeRow {
    std::string_view key;
    std::string_view typeName;
    std::string_view typeCode;
};

// clang-format off
constexpr TypeRow kTypeRows[] = {
    {"TRAD", "Traditional", "T"},
    {"MICR", "Micro", "I"},
    {"MULT", "Multi", "M"},
    {"UNKN", "Unknown", "U"},
    {"TEMP", "Unavailable", "D"},
    {"VIRT", "Virtual", "V"},
    {"LETT", "Letterbox", "L"},
    {"EART", "Earthcache", "E"},
    {"WEBC", "Webcam", "W"},
};
// clang-format on
constexpr TypeRow kOtherType{{}, "Errrr", "X"};

void ContainerRule(Walk& walk, std::string_view text) {
    const auto key = Key(text);
    for (const ContainerRow& row : kContainerRows) {
        if (!KeyIs(key, row.key)) continue;
        walk.record.TypeCode += row.letter;
        if (!row.typeName.empty()) walk.record.TypeName = row.typeName;
        return;
    }
    walk.record.TypeCode += kOtherContainer;
}

void TypeRule(Walk& walk, std::string_view text) {
    // Only the cache's first type text counts; log entries carry type texts as well.
    if (walk.record.CacheType.empty()) walk.record.CacheType.assign(text);
    if (!walk.record.TypeName.empty()) return;
    const auto key = Key(text);
    const TypeRow* match = &kOtherType;
    for (const TypeRow& row : kTypeRows) {
        if (KeyIs(key, row.key)) {
            match = &row;
            break;
        }
    }
    walk.record.TypeName = match->typeName;
    walk.record.TypeCode = match->typeCode;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view upperNeedle) {
    return std::search(text.begin(), text.end(), upperNeedle.begin(), upperNeedle.end(),
                       [](char a, char b) { return AsciiUpper(a) == b; }) != text.end();
}

void NameRule(Walk& walk, std::string_view text) {
    // The cache name comes first; travel bugs further down carry names of their own.
    if (!walk.record.CacheName.empty()) return;
    walk.record.CacheName.assign(text);
    std::replace(walk.record.CacheName.begin(), walk.record.CacheName.end(), '"', '\'');
    // The Motorway series has icons of its own, whatever type the listing gives.
    if (ContainsIgnoringCase(text, "MOTORWAY MAHEM")) {
        walk.record.TypeName = "Motorway";
        walk.record.TypeCode = "O";
    }
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
        walk.record.FoundCode = "F";
    else if (text == "Geocache")
        walk.record.FoundCode = "N";
}

void PlacedByRule(Walk& walk, std::string_view text) {
    if (PlacedByName(text, walk.settings.userName)) walk.record.FoundCode = "O";
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
    {"groundspeak:travelbug", [](Walk& w, std::string_view) { w.record.TravelBug = "Y"; }},
    {"groundspeak:encoded_hints", HintRule},
    {"groundspeak:name", NameRule},
    {"name", [](Walk& w, std::string_view t) { w.record.WaypointCode.assign(t); }},
    {"desc", [](Walk& w, std::string_view t) { w.record.Description.assign(t); }},
    {"cmt", [](Walk& w, std::string_view t) { w.record.Comment.assign(t); }},
    {"sym", SymRule},
    {"groundspeak:placed_by", PlacedByRule},
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
    if (record.FirstWaypoint) {
        ClearCache(record);
        record.FirstWaypoint = false;
    } else {
        WriteWaypoint(record, walk.settings, walk.out);
        ClearCache(record);
    }
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
                // A travel bug element holds only its name element, so its presence is the sign.
                walk_.record.TravelBug = "Y";
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

void DisplayNode(pugi::xml_node Nodes, CacheRecord& record, const RunSettings& settings, CsvWriter& out) {
    Walker walker(Walk{record, settings, out});
    Nodes.traverse(walker);
}

}  // namespace corvane
