// The Win32 front-end's controls, file dialog, message boxes and worker, as frmMain's handlers use them.
#pragma once

#include "FormView.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace corvane {

// Shows a modal message box over owner with a MessageBoxW style value; returns IDOK, IDYES or IDNO.
using MessageBoxFunction =
    std::function<int(HWND owner, const std::wstring& prompt, unsigned style, const std::wstring& title)>;

// The controls of the form it is given, found by their names in the form's layout.
class FormToolkit : public FormView {
public:
    // Finds a control of the form by name
    using ControlFinder = std::function<HWND(std::string_view name)>;

    // A toolkit over the controls that control finds in form, showing boxes with showMessage
    // (MessageBoxW when empty)
    FormToolkit(ControlFinder control, MessageBoxFunction showMessage);
    // The form's window, once created
    void setForm(HWND form) { form_ = form; }
    // True while the busy cursor is shown
    bool Busy() const { return busy_; }

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
    bool mnuIconsByType() override { return iconsByType_; }
    void setMnuIconsByType(bool checked) override { iconsByType_ = checked; }
    // MessageBoxW has no place for detail text: it follows the prompt after a blank line
    int MsgBox(const std::string& prompt, int style, const std::string& title, const std::string& detail) override;
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                          const std::string& fileName, const std::string& defaultExtension) override;
    void RunOnWorker(const std::function<void()>& work) override;
    void OnWindowThread(const std::function<void()>& work) override;
    // IDC_APPSTARTING while busy (the window still paints), else the arrow
    void SetBusy(bool busy) override;
    void Close() override;

private:
    std::string Text(std::string_view name) const;
    void SetText(std::string_view name, const std::string& text);

    ControlFinder control_;
    MessageBoxFunction showMessage_;
    HWND form_ = nullptr;
    bool iconsByType_ = false;  // "Icons by cache type", in the form's own context menu
    bool busy_ = false;
};

}  // namespace corvane
