// The one thing the conversion's messages need from a front-end: showing a modal box.
#pragma once

#include <string>

namespace corvane {

// Texts are UTF-8; called on the window's thread.
class MessageBoxView {
public:
    virtual ~MessageBoxView() = default;
    // Show a modal box with the buttons and icon of the style value, the detail ("" for none) under
    // the prompt; returns when the user has answered, with kAnswerOK, kAnswerYes or kAnswerNo
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title, const std::string& detail) = 0;
};

}  // namespace corvane
