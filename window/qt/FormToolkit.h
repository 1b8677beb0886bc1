// The Qt front-end's controls, file dialog, message boxes and worker, as frmMain's handlers use them.
#pragma once

#include "FileDialog.h"
#include "FormView.h"
#include "MessageBoxes.h"

#include <optional>

class QAction;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace corvane {

// The form's Qt widgets as the handlers see them; the boxes and dialog go through seams tests answer.
class FormToolkit : public FormView {
public:
    struct Controls {
        QWidget* form;
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

    std::string txtGPX() override;
    void setTxtGPX(const std::string& text) override;
    std::string txtMM() override;
    void setTxtMM(const std::string& text) override;
    std::string txtIcon() override;
    void setTxtIcon(const std::string& text) override;
    std::string txtCacher() override;
    void setTxtCacher(const std::string& text) override;
    bool chkHint() override;
    void setChkHint(bool ticked) override;
    bool optURL0() override;
    void setOptURL(int index) override;
    bool mnuIconsByType() override;
    void setMnuIconsByType(bool checked) override;
    int MsgBox(const std::string& prompt, int style, const std::string& title, const std::string& detail) override;
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                          const std::string& fileName, const std::string& defaultExtension) override;
    // A QThread, while an event loop that leaves out user input keeps the window painted
    void RunOnWorker(const std::function<void()>& work) override;
    void OnWindowThread(const std::function<void()>& work) override;
    // Qt's override cursor
    void SetBusy(bool busy) override;
    void Close() override;

private:
    Controls controls_;
    FileDialog& dialog_;
    MessageBoxes& boxes_;
};

}  // namespace corvane
