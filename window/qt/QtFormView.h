// The Qt front-end's controls, file dialog, message boxes and worker, as the window's handlers use them.
#pragma once

#include "FileDialog.h"
#include "FormView.h"

#include <array>
#include <optional>

class QLineEdit;
class QWidget;

namespace corvane {

// The form's Qt widgets as the handlers see them; the dialog goes through a seam tests answer, and
// so do the boxes when a view for them is given.
class QtFormView : public FormView {
public:
    struct Controls {
        QWidget* form;  // the window; the options' controls and menu entries are its children, by name
        QLineEdit* txtGPX;
        QLineEdit* txtMM;
        QLineEdit* txtIcon;
        QLineEdit* txtCacher;
    };

    // A view over these controls that shows its dialog through dialog and its boxes through boxes,
    // or Qt's own boxes when boxes is null
    QtFormView(const Controls& controls, FileDialog& dialog, MessageBoxView* boxes)
        : controls_(controls), dialog_(dialog), boxes_(boxes) {}

    std::string txtGPX() override;
    void setTxtGPX(const std::string& text) override;
    std::string txtMM() override;
    void setTxtMM(const std::string& text) override;
    std::string txtIcon() override;
    void setTxtIcon(const std::string& text) override;
    std::string txtCacher() override;
    void setTxtCacher(const std::string& text) override;
    // A menu entry's check is kept here and shown on the entry, which Qt checks or clears by
    // itself when it is clicked
    bool Choice(const OptionRow& option) override;
    void SetChoice(const OptionRow& option, bool yes) override;
    BoxAnswer MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                     const std::string& detail) override;
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                          const std::string& fileName, const std::string& defaultExtension) override;
    // A QThread, while an event loop that leaves out user input keeps the window painted; what
    // the work throws is thrown again here
    void RunOnWorker(const std::function<void()>& work) override;
    void OnWindowThread(const std::function<void()>& work) override;
    // Qt's override cursor
    void SetBusy(bool busy) override;
    void Close() override;

private:
    Controls controls_;
    FileDialog& dialog_;
    MessageBoxView* boxes_;
    std::array<bool, kOptionTable.size()> menuChecks_{};  // by row of the option table
};

}  // namespace corvane
