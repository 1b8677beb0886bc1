// Corvane's one window in Win32: the controls, the file dialog, the message boxes and the
// registry settings of the Windows front-end.
#pragma once

#include "FormHandlers.h"
#include "FormLayout.h"
#include "FormValues.h"
#include "IconsBesideProgram.h"
#include "RegistrySettingsStore.h"

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Shows a modal message box over owner with a MessageBoxW style value; returns IDOK, IDYES or IDNO.
using MessageBoxFunction =
    std::function<int(HWND owner, const std::wstring& prompt, unsigned style, const std::wstring& title)>;

// frmMain: loads the settings into its controls when created and saves them whenever it closes.
class Win32Form : public FormView {
public:
    // A form that shows its message boxes with showMessage (MessageBoxW when empty)
    explicit Win32Form(HINSTANCE instance, MessageBoxFunction showMessage = {});
    ~Win32Form() override;

    // Create the window and its controls and fill them from the settings, not yet shown; false on failure
    bool Create();
    // The form's window
    HWND Handle() const { return form_; }
    // The control of this name in the form's layout, or null
    HWND Control(std::string_view name) const;
    // Run the messages of the thread until the form is closed; the program's exit status
    int Run();
    // Take the file as the GPX file, as if it had been dropped on the window
    void OpenGPX(const std::wstring& path);

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
    // MessageBoxW has no place for detail text: it follows the prompt after a blank line
    int MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                     const std::string& detail) override;
    std::optional<std::string> ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                          const std::string& fileName) override;
    // On a thread of its own under the busy cursor, while the window keeps painting and holds
    // keyboard and mouse input back until the run has ended
    void RunConversion(const std::function<void()>& conversion) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // One control's event, from its WM_COMMAND
    void Command(int id, int code);
    // The form's own menu at screen point (x, y): "Icons by cache type"
    void ContextMenu(int x, int y);
    // The icon folder box's menu at screen point (x, y): the editing entries, then "Write Corvane's Icons Here"
    void IconBoxMenu(int x, int y);
    static LRESULT CALLBACK IconBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    // Creates the controls in tab order, with their captions and tooltips
    void CreateControls();
    // Sizes the form and places every control for the window's current DPI, with a font of that DPI
    void Layout();
    // Carry out work on the window's thread and return when it is done; from a run's thread too
    void OnWindowThread(const std::function<void()>& work);
    std::string Text(std::string_view name) const;
    void SetText(std::string_view name, const std::string& text);

    HINSTANCE instance_;
    MessageBoxFunction showMessage_;
    RegistrySettingsStore store_;
    FormHandlers handlers_{*this, store_, IconsBesideProgram()};
    HWND form_ = nullptr;
    HWND tooltips_ = nullptr;
    HFONT font_ = nullptr;
    std::array<HWND, kFormControls.size()> controls_{};
    bool iconsByType_ = false;          // "Icons by cache type", in the form's own context menu
    std::optional<FormValues> frozen_;  // the controls' values while a conversion runs
    bool closeWhenDone_ = false;        // closed during a conversion: closes when it has ended
};

}  // namespace corvane
