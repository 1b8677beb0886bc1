// The window toolkit the conversion reads, over frmMain's real controls.
#pragma once

#include "MessageBoxes.h"
#include "WindowToolkit.h"

#include <optional>

class QAction;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

// Reads each control when asked, so the conversion always sees what the window shows. A run
// on a thread of its own freezes the toolkit first: the window takes no input until the run
// ends, so the controls keep the values read at its start, and the run reads those without
// a round trip to the window's thread per waypoint. Setting the icon box and message boxes are
// carried out on the window's thread.
class FormToolkit : public WindowToolkit {
public:
    struct Controls {
        QLineEdit* txtGPX;
        QLineEdit* txtMM;
        QLineEdit* txtIcon;
        QLineEdit* txtCacher;
        QCheckBox* chkHint;
        QRadioButton* optURL0;
        QAction* mnuIconsByType;
    };

    // A toolkit over these controls that shows its message boxes through boxes
    FormToolkit(const Controls& controls, MessageBoxes& boxes) : controls_(controls), boxes_(boxes) {}

    // Take the controls' values for a run on another thread; reads return them until Thaw
    void Freeze();
    // Read the controls themselves again
    void Thaw();

    std::string txtGPX() override;
    std::string txtMM() override;
    std::string txtIcon() override;
    void setTxtIcon(const std::string& text) override;
    std::string txtCacher() override;
    int chkHint() override;
    bool optURL0() override;
    bool mnuIconsByType() override;
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    int MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                     const std::string& detail) override;

private:
    struct Values {
        std::string txtGPX, txtMM, txtIcon, txtCacher;
        int chkHint;
        bool optURL0;
        bool mnuIconsByType;
    };

    Controls controls_;
    std::optional<Values> frozen_;
    MessageBoxes& boxes_;
};

}  // namespace corvane
