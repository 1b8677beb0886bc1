// The Win32 front-end's controls, file dialog, message boxes and worker, as the window's handlers use them.
#pragma once

#include "FormView.h"

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace corvane {

// The entry kOptionsMenu[i] of the form's Options menu sends the command kFirstMenuCommand + i,
// below the controls' ids.
inline constexpr int kFirstMenuCommand = 60;

// The controls of the form it is given, found by their names in the form's layout, and the checks
// of its menu bar's Options menu.
class Win32FormView : public FormView {
public:
    // Finds a control of the form by name
    using ControlFinder = std::function<HWND(std::string_view name)>;

    // A view over the controls that control finds in form, showing its boxes through boxes, or
    // MessageBoxW when boxes is null
    Win32FormView(ControlFinder control, MessageBoxView* boxes);
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
    // A menu entry's check is kept here and shown on the entry of the form's menu bar
    bool Choice(const OptionRow& option) override;
    void SetChoice(const OptionRow& option, bool yes) override;
    BoxAnswer MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                     const std::string& detail) override;
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
    MessageBoxView* boxes_;
    HWND form_ = nullptr;
    std::array<bool, kOptionTable.size()> menuChecks_{};  // by row of the option table
    bool busy_ = false;
};

}  // namespace corvane
