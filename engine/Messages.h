// The texts that tell how a conversion went: prompt and title.
#pragma once

#include "WaypointFilter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A message as a box shows it; the command line prints the prompt alone.
struct Message {
    std::string_view prompt;
    std::string_view title;
};

inline constexpr Message kMsgNamesMissing{"Please give me some file names to play with.", "Conversion"};
// The load failure is the one box titled "Convertion"; users know it by that title.
inline constexpr Message kMsgLoadFailed{"I have a problem loading the GPX file, please check it or select another.",
                                        "Convertion"};
inline constexpr Message kMsgOverwrite{"Overwrite the existing file?", "Conversion"};
inline constexpr Message kMsgComplete{"Complete!", "Conversion"};
inline constexpr Message kMsgWriteFailed{"I have a problem writing the CSV file, please check it or select another.",
                                         "Conversion"};

// "683 waypoints written to /home/kate/week.csv", the line that tells where a run's waypoints went
std::string WrittenLine(std::size_t count, std::string_view destination);
// "Nothing was written; /home/kate/week.csv is as it was.", after the user kept an existing file
std::string NothingWrittenLine(std::string_view path);
// "3 waypoints without coordinates left out", the line that follows "Complete!" when there are any
std::string LeftOutLine(std::size_t count);
// "12 caches you found left out", "500 doubles left out": a line for each reason that left any
// waypoint out, in the order of LeftOutBy
std::vector<std::string> LeftOutLines(const LeftOutCounts& counts);
// "2 characters not in windows-1252 written as "?"", the line that follows "Complete!" when there are any
std::string SubstitutedLine(std::size_t count, std::string_view codePage);
// "9 bytes not valid in UTF-8 written as "?" (the GPX file is not in the encoding it declares)", the line
// after the "?" line when there are any
std::string InvalidBytesLine(std::size_t count);

}  // namespace corvane
