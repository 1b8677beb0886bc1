// The texts that tell how a conversion went: prompt, message box style value and title.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Message box style values: buttons plus icon.
inline constexpr int kStyleExclamation = 48;  // OK, exclamation
inline constexpr int kStyleQuestion = 36;     // Yes and No, question
inline constexpr int kStyleInformation = 64;  // OK, information

// Message box answers.
inline constexpr int kAnswerOK = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

struct Message {
    std::string_view prompt;
    int style;
    std::string_view title;
};

inline constexpr Message kMsgNamesMissing{"Please give me some file names to play with.", kStyleExclamation,
                                          "Conversion"};
// The load failure is the one box titled "Convertion"; users know it by that title.
inline constexpr Message kMsgLoadFailed{"I have a problem loading the GPX file, please check it or select another.",
                                        kStyleExclamation, "Convertion"};
inline constexpr Message kMsgOverwrite{"Overwrite the existing file?", kStyleQuestion, "Conversion"};
inline constexpr Message kMsgComplete{"Complete!", kStyleInformation, "Conversion"};
inline constexpr Message kMsgWriteFailed{"I have a problem writing the CSV file, please check it or select another.",
                                         kStyleExclamation, "Conversion"};

// "683 waypoints written to /home/kate/week.csv", the line that tells where a run's waypoints went
std::string WrittenLine(std::size_t count, std::string_view destination);
// "Nothing was written; /home/kate/week.csv is as it was.", after the user kept an existing file
std::string NothingWrittenLine(std::string_view path);
// "3 waypoints without coordinates left out", the line that follows "Complete!" when there are any
std::string LeftOutLine(std::size_t count);
// "2 characters not in windows-1252 written as "?"", the line that follows "Complete!" when there are any
std::string SubstitutedLine(std::size_t count, std::string_view codePage);

}  // namespace corvane
