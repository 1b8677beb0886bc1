// The Qt front-end's controls, file dialog and message boxes, as frmMain's handlers and the conversion use them.
#pragma once

#include "FileDialog.h"
#include "FormValues.h"
#include "FormView.h"
#include "MessageBoxes.h"

#include <optional>

class QAction;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

// Reads each control when asked, so the conversion always sees what the window shows. A run
// goes on a thread of its own and freezes the toolkit first: the window takes no input until the
// run ends, so the controls keep the values read at its start, and the run reads those without
// a round trip to the window's thread per waypoint. Setting the icon box and message boxes are
// carried out on the window's thread.
class FormToolkit : public FormView {
public:
    struct Controls {
        QLineEdit* txtGPX;
        QLineEdit* txtMM;
        QLineEdit* txtIcon;
        QLineEdit* txtCacher;
        QCheckBox* chkHint;
        QRadioButton* optURL[2];
        QAction* mnuIconsByType;
    };

    // A toolkit over these controls that shows its dialogs through dialog and boxes
    FormToolkit(const Controls& controls, FileDialog& dialog, MessageBoxes& boxes)
        : controls_(controls), dialog_(dialog), boxes_(boxes) {}

    // True while a conversion runs
    bool Converting() const { return frozen_.has_value(); }

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
    bool mnuIconsByType() override;
    void setMnuIconsByType(bool checked) override;
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    int MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                     const std::string& detail) override;
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                          const std::string& fileName) override;
    // On a thread of its own under a busy cursor, so that the window keeps painting
    void RunConversion(const std::function<void()>& conversion) override;

private:
    Controls controls_;
    std::optional<FormValues> frozen_;  // the controls' values while a conversion runs
    FileDialog& dialog_;
    MessageBoxes& boxes_;
};

}  // namespace corvane
