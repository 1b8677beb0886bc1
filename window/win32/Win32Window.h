// Corvane's one window in Win32: the form, its controls and their events, over the registry settings.
#pragma once

#include "FormHandlers.h"
#include "FormLayout.h"
#include "IconsBesideProgram.h"
#include "RegistrySettingsStore.h"
#include "Win32FormView.h"

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Loads the settings into its controls when created and saves them whenever it closes.
class Win32Window {
public:
    // A window that shows its message boxes through boxes (MessageBoxW when null)
    explicit Win32Window(HINSTANCE instance, MessageBoxView* boxes = nullptr);
    ~Win32Window();

    // Create the window and its controls and fill them from the settings, not yet shown; false on failure
    bool Create();
    // The form's window
    HWND Handle() const { return form_; }
    // The control of this name in the form's layout, or null
    HWND Control(std::string_view name) const;
    // Run the messages of the thread until the form is closed; the program's exit status
    int Run();
    // Take the files as the GPX file, as if they had been dropped on the window
    void OpenGPX(const std::vector<std::wstring>& paths);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // One control's or menu entry's event, from its WM_COMMAND
    void Command(int id, int code);
    // The form's own menu at screen point (x, y): the menu bar's Options menu
    void ContextMenu(int x, int y);
    static LRESULT CALLBACK IconBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    // Creates the menu bar's Options menu from kOptionsMenu
    static HMENU CreateMenuBar();
    // Creates the controls in tab order, with their captions and tooltips
    void CreateControls();
    // Sizes the form, its client area below the menu bar, and places every control for the
    // window's current DPI, with a font of that DPI
    void Layout();

    HINSTANCE instance_;
    RegistrySettingsStore store_;
    Win32FormView view_;
    FormHandlers handlers_{view_, store_, IconsBesideProgram()};
    HWND form_ = nullptr;
    HWND tooltips_ = nullptr;
    HFONT font_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control given the focus when the window gets it
    std::array<HWND, kFormControls.size()> controls_{};
};

}  // namespace corvane
