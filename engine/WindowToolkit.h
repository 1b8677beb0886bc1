// The window as the conversion sees it: the controls it reads, the one it sets, and message boxes.
#pragma once

#include <string>

namespace corvane {

// Message box style values: buttons plus icon.
inline constexpr int kStyleExclamation = 48;  // OK, exclamation
inline constexpr int kStyleQuestion = 36;     // Yes and No, question
inline constexpr int kStyleInformation = 64;  // OK, information

// Message box answers.
inline constexpr int kAnswerOK = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Every text crosses this interface as UTF-8. The conversion reads each control at the
// moment it needs it, so an implementation returns the control's current value every time.
class WindowToolkit {
public:
    virtual ~WindowToolkit() = default;

    // Text of the GPX file box
    virtual std::string txtGPX() = 0;
    // Text of the CSV output file box
    virtual std::string txtMM() = 0;
    // Text of the icon directory box
    virtual std::string txtIcon() = 0;
    // Replace the text of the icon directory box
    virtual void setTxtIcon(const std::string& text) = 0;
    // Text of the user's geocaching name box
    virtual std::string txtCacher() = 0;
    // 1 when "Include decoded hints" is ticked, 0 when clear
    virtual int chkHint() = 0;
    // True when "Link to Website" (element 0 of the link pair) is selected
    virtual bool optURL0() = 0;
    // True when "Icons by cache type" is ticked; a front-end without that entry converts by container
    virtual bool mnuIconsByType() { return false; }
    // Show a modal message box; returns the answer (kAnswerOK, kAnswerYes or kAnswerNo)
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // Show a modal message box with detail text under its prompt; a window that has no place
    // for it shows the prompt alone
    virtual int MsgBoxDetail(const std::string& prompt, int style, const std::string& title, const std::string&) {
        return MsgBox(prompt, style, title);
    }
};

}  // namespace corvane
