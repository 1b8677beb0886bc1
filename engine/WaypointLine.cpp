// The WP04 fields of a waypoint, each built from the record as Memory Map reads it.
#include "WaypointLine.h"

#include "CacheRecord.h"
#include "CsvWriter.h"
#include "IconNumber.h"
#include "IconTable.h"
#include "RunSettings.h"
#include "TidyName.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace corvane {

namespace {

// What a line shows of the waypoint's kind.
struct Shown {
    std::int16_t icon;
    std::string_view category;
    bool child;  // a child waypoint, shown with its own icon and name
};

// How the line writes a cache's type: its letter after the ratings, and its word as the category.
struct TypeWriting {
    char letter;
    std::string_view word;
};

// clang-format off
TypeWriting Writing(CacheType type) {
    switch (type) {
    case CacheType::Traditional: return {'T', "Traditional"};
    case CacheType::Micro: return {'I', "Micro"};
    case CacheType::Multi: return {'M', "Multi"};
    case CacheType::Unknown: return {'U', "Unknown"};
    case CacheType::Unavailable: return {'D', "Unavailable"};
    case CacheType::Virtual: return {'V', "Virtual"};
    case CacheType::Letterbox: return {'L', "Letterbox"};
    case CacheType::Earthcache: return {'E', "Earthcache"};
    case CacheType::Webcam: return {'W', "Webcam"};
    case CacheType::AnyOther: return {'X', "Errrr"};
    case CacheType::Motorway: return {'O', "Motorway"};
    }
    return {'X', "Errrr"};
}
// clang-format on

// A container's letter after the type letter.
// clang-format off
char Letter(Container container) {
    switch (container) {
    case Container::Micro: return 'I';
    case Container::Small: return 'S';
    case Container::Regular: return 'R';
    case Container::Large: return 'G';
    case Container::Unknown: return 'U';
    case Container::Other: return 'O';
    case Container::Virtual: return 'V';
    case Container::Event: return 'E';
    case Container::Letterbox: return 'L';
    case Container::Cito: return 'C';
    case Container::Webcam: return 'W';
    case Container::Earthcache: return 'A';
    case Container::Trigpoint: return 'T';
    case Container::AnyOther: return 'X';
    }
    return 'X';
}
// clang-format on

// The type word of the line, empty when nothing named the type
std::string_view TypeWord(const CacheRecord& record) {
    return record.TypeWord ? Writing(*record.TypeWord).word : std::string_view();
}

Shown ShownByContainer(const CacheRecord& record) {
    return {IconByContainer(record).number(), TypeWord(record), false};
}

// A cache the user has neither found nor placed, and that cannot be found now, is greyed out.
bool Greyed(const CacheRecord& record) {
    return record.Unavailable && record.Found != State::Found && record.Found != State::Own;
}

// Every waypoint without cache details is a child waypoint, shown by its sym. Of a cache, the
// type text chooses the kind; the Motorway series keeps its own icons, and a type text that
// names no kind keeps the container's.
Shown ShownByType(const CacheRecord& record) {
    if (!record.IsCache) {
        const ChildIcon& child = FindChildIcon(record.Symbol);
        return {static_cast<std::int16_t>(child.number), child.sym, true};
    }
    const IconChoice byContainer = IconByContainer(record);
    Shown shown{byContainer.number(), TypeWord(record), false};
    Kind kind = byContainer.kind;
    if (record.TypeWord != CacheType::Motorway) {
        if (const auto type = KindOfType(record.TypeText, record.TypeWord == CacheType::Micro)) {
            kind = type->kind;
            shown.category = type->category;
        }
    }
    std::optional<Family> family = byContainer.family;
    if (Greyed(record)) family = Family{State::Unavailable, record.TravelBug};
    if (family) shown.icon = IconInFamily(*family, kind);
    return shown;
}

// A child waypoint is labelled by its description ("Parking Area", "Final Location"), else
// its comment, else its code; it has no ratings or type letters to show.
const std::string& ChildName(const CacheRecord& record) {
    if (!record.Description.empty()) return record.Description;
    return record.Comment.empty() ? record.WaypointCode : record.Comment;
}

// Append text inside a double-quoted field. Nothing is escaped there, so a double quote would
// end the field early and split the line into extra fields; it becomes an apostrophe (a cache name's too).
void AppendInQuotes(std::string& line, std::string_view text) {
    const std::size_t start = line.size();
    line += text;
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(), '"', '\'');
}

// The number a coordinate text holds, or nothing when it holds none.
std::optional<double> Number(const std::string& text) {
    // A leading plus sign is valid in GPX; from_chars takes only the minus.
    const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Some tools write 0,0 for a waypoint whose place they do not know: it is no place either.
bool HasCoordinates(const CacheRecord& record) {
    const std::optional<double> latitude = Number(record.Latitude);
    const std::optional<double> longitude = Number(record.Longitude);
    return latitude && longitude && (*latitude != 0 || *longitude != 0);
}

// Build the record's WP04 line (UTF-8, no line end) into line, replacing its contents; byType:
// icon and category follow the cache type and the child waypoint's sym
void BuildWaypointLine(const CacheRecord& record, bool linkToWebsite, bool includeHints, std::string& line,
                       bool byType) {
    const Shown shown = byType ? ShownByType(record) : ShownByContainer(record);
    char icon[8];
    const auto iconEnd = std::to_chars(icon, icon + sizeof icon, shown.icon).ptr;

    line.assign("WP04,");
    line += record.Latitude;
    line += ',';
    line += record.Longitude;
    line += ',';
    line.append(icon, iconEnd);

    line += ",\"";
    if (shown.child) {
        AppendInQuotes(line, TidyName(ChildName(record)));
    } else {
        if (byType)
            AppendInQuotes(line, TidyName(record.CacheName));
        else
            AppendInQuotes(line, record.CacheName);
        line += " (";
        AppendInQuotes(line, record.Difficulty);
        line += '/';
        AppendInQuotes(line, record.Terrain);
        line += ' ';
        if (record.Type) line += Writing(*record.Type).letter;
        for (const Container container : record.Containers) line += Letter(container);
        line += ')';
    }
    line += '"';

    if (includeHints) {
        line += ",\"";
        AppendInQuotes(line, record.WaypointCode);
        line += " (Hint): ";
        AppendInQuotes(line, record.Hint);
        line += '"';
    } else {
        line += ',';
        line += record.WaypointCode;
    }

    line += ",\"";
    if (linkToWebsite) {
        AppendInQuotes(line, record.CacheURL);
    } else {
        line += "\\cmate:";
        AppendInQuotes(line, record.WaypointCode);
    }
    line += '"';

    line += ",0.0,1,";
    line += record.WaypointCode;
    line += ",1,1,";
    line += shown.category;
    line += ",0";
}

}  // namespace

void WriteWaypoint(const CacheRecord& record, const RunSettings& settings, CsvWriter& out) {
    const bool byType = settings.kindsByType;
    // Without a place the waypoint cannot be put on the map.
    if (byType && !HasCoordinates(record)) {
        out.CountLeftOut();
        return;
    }
    std::string line;
    BuildWaypointLine(record, settings.linkToWebsite, settings.includeHints, line, byType);
    out.PrintLine(line);
    out.CountWaypoint();
}

}  // namespace corvane
