// The Qt front-end's controls, file dialog and message boxes, as frmMain's handlers and the conversion use them.
#pragma once

#include "FileDialog.h"
#include "FormView.h"
#include "MessageBoxes.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

// Reads each control when asked, so the conversion always sees what the window shows.
class FormToolkit : public FormView {
public:
    struct Controls {
        QLineEdit* txtGPX;
        QLineEdit* txtMM;
        QLineEdit* txtIcon;
        QLineEdit* txtCacher;
        QCheckBox* chkHint;
        QRadioButton* optURL[2];
    };

    // A toolkit over these controls that shows its dialogs through dialog and boxes
    FormToolkit(const Controls& controls, FileDialog& dialog, MessageBoxes& boxes)
        : controls_(controls), dialog_(dialog), boxes_(boxes) {}

    std::string txtGPX() override;
    void setTxtGPX(const std::string& text) override;
    std::string txtMM() override;
    void setTxtMM(const std::string& text) override;
    std::string txtIcon() override;
    void setTxtIcon(const std::string& text) override;
    std::string txtCacher() override;
    void setTxtCacher(const std::string& text) override;
    int chkHint() override;
    void setChkHint(int value) override;
    bool optURL0() override;
    void setOptURL(int index) override;
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory) override;

private:
    Controls controls_;
    FileDialog& dialog_;
    MessageBoxes& boxes_;
};

}  // namespace corvane
