// The window toolkit the conversion reads, over frmMain's real controls.
#pragma once

#include "MessageBoxes.h"
#include "WindowToolkit.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

// Reads each control when asked, so the conversion always sees what the window shows. Every
// call may come from the conversion's own thread; it is carried out on the window's thread.
class FormToolkit : public WindowToolkit {
public:
    struct Controls {
        QLineEdit* txtGPX;
        QLineEdit* txtMM;
        QLineEdit* txtIcon;
        QLineEdit* txtCacher;
        QCheckBox* chkHint;
        QRadioButton* optURL0;
    };

    // A toolkit over these controls that shows its message boxes through boxes
    FormToolkit(const Controls& controls, MessageBoxes& boxes) : controls_(controls), boxes_(boxes) {}

    std::string txtGPX() override;
    std::string txtMM() override;
    std::string txtIcon() override;
    void setTxtIcon(const std::string& text) override;
    std::string txtCacher() override;
    int chkHint() override;
    bool optURL0() override;
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    int MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                     const std::string& detail) override;

private:
    Controls controls_;
    MessageBoxes& boxes_;
};

}  // namespace corvane
