// MessageBoxW with the buttons and icon of a box kind, and its answer in the window's words.
#include "Win32MessageBox.h"

#include "Utf16.h"

namespace corvane {

UINT BoxStyle(BoxKind kind) {
    switch (kind) {
    case BoxKind::Warning:
        return MB_OK | MB_ICONEXCLAMATION;
    case BoxKind::Question:
        return MB_YESNO | MB_ICONQUESTION;
    case BoxKind::Information:
        break;
    }
    return MB_OK | MB_ICONINFORMATION;
}

BoxAnswer ShowMessageBox(HWND owner, const std::string& prompt, BoxKind kind, const std::string& title,
                         const std::string& detail) {
    const std::string text = detail.empty() ? prompt : prompt + "\n\n" + detail;
    switch (MessageBoxW(owner, Utf16(text).c_str(), Utf16(title).c_str(), BoxStyle(kind))) {
    case IDYES:
        return BoxAnswer::Yes;
    case IDNO:
        return BoxAnswer::No;
    default:
        return BoxAnswer::OK;
    }
}

}  // namespace corvane
