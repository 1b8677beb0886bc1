// Message boxes of a conversion, shown through the window.
#include "Messages.h"

#include <string>

namespace corvane {

std::string LeftOutLine(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " waypoint" : " waypoints") + " without coordinates left out";
}

std::string SubstitutedLine(std::size_t count, std::string_view codePage) {
    return std::to_string(count) + (count == 1 ? " character" : " characters") + " not in " + std::string(codePage) +
           " written as \"?\"";
}

int Show(WindowToolkit& window, const Message& message) {
    return window.MsgBox(std::string(message.prompt), message.style, std::string(message.title));
}

int Show(WindowToolkit& window, const Message& message, const std::string& detail) {
    return window.MsgBoxDetail(std::string(message.prompt), message.style, std::string(message.title), detail);
}

}  // namespace corvane
