// A box of the window's kinds as MessageBoxW shows it.
#pragma once

#include "MessageBoxView.h"

#include <windows.h>

#include <string>

namespace corvane {

// MessageBoxW's style for a box of the kind: its buttons and its icon
UINT BoxStyle(BoxKind kind);

// Show a modal box over owner and return when the user has answered; MessageBoxW has no place for
// detail text, so it follows the prompt after a blank line
BoxAnswer ShowMessageBox(HWND owner, const std::string& prompt, BoxKind kind, const std::string& title,
                         const std::string& detail);

}  // namespace corvane
