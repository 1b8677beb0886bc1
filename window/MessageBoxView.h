// The one thing the conversion's messages need from a front-end: showing a modal box.
#pragma once

#include <string>

namespace corvane {

// What a box offers: its buttons and its icon.
enum class BoxKind {
    Warning,      // OK, with the exclamation mark
    Question,     // Yes and No, with the question mark
    Information,  // OK, with the information sign
};

// The button that closed a box
enum class BoxAnswer { OK, Yes, No };

// Texts are UTF-8; called on the window's thread.
class MessageBoxView {
public:
    virtual ~MessageBoxView() = default;
    // Show a modal box of the kind with the detail ("" for none) under the prompt; returns when the
    // user has answered
    virtual BoxAnswer MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                             const std::string& detail) = 0;
};

}  // namespace corvane
