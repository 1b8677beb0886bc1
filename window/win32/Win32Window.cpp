// The Win32 form: its class, menu bar, controls from the layout table, DPI, menus and the messages
// it handles.
#include "Win32Window.h"

#include "EditMenu.h"
#include "OptionsMenu.h"
#include "Utf16.h"
#include "WorkerPump.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

namespace corvane {

namespace {

constexpr wchar_t kClassName[] = L"CorvaneFrmMain";
constexpr int kFirstId = 100;       // above IDOK and IDCANCEL, which Enter and Escape would send
constexpr int kMnuWriteIcons = 90;  // in the icon box's editing menu
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = WS_EX_ACCEPTFILES;

std::size_t IndexOf(std::string_view name) {
    const auto found = std::find_if(kFormControls.begin(), kFormControls.end(),
                                    [name](const ControlLayout& c) { return c.name == name; });
    return static_cast<std::size_t>(found - kFormControls.begin());
}

int IdOf(std::string_view name) {
    return kFirstId + static_cast<int>(IndexOf(name));
}

// The window class and styles of a control kind
std::pair<const wchar_t*, DWORD> ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL};
    case ControlKind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::OptionButton:
        return {L"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON};
    case ControlKind::CheckBox:
        return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE};
    case ControlKind::Label:
        break;
    }
    return {L"STATIC", SS_LEFT};
}

// The handler of each control event the form reacts to
const struct {
    std::string_view control;
    int code;
    void (FormHandlers::*handler)();
} kCommands[] = {
    {"txtGPX", EN_CHANGE, &FormHandlers::txtGPX_Change},
    {"cmdGPX", BN_CLICKED, &FormHandlers::cmdGPX_Click},
    {"cmdMM", BN_CLICKED, &FormHandlers::cmdMM_Click},
    {"cmdConvert", BN_CLICKED, &FormHandlers::cmdConvert_Click},
    {"cmdClose", BN_CLICKED, &FormHandlers::cmdClose_Click},
};

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, MessageBoxView* boxes)
    : instance_(instance), view_([this](std::string_view name) { return Control(name); }, boxes) {}

Win32Window::~Win32Window() {
    if (form_ != nullptr) DestroyWindow(form_);
    if (font_ != nullptr) DeleteObject(font_);
}

bool Win32Window::Create() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // Where the window system puts new windows; the size follows from the DPI of the monitor it lands on.
    form_ = CreateWindowExW(kFormExStyle, kClassName, Utf16(kFormCaption).c_str(), kFormStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, nullptr, CreateMenuBar(), instance_, this);
    if (form_ == nullptr) return false;
    view_.setForm(form_);
    CreateControls();
    Layout();
    handlers_.Form_Load();
    return true;
}

HMENU Win32Window::CreateMenuBar() {
    HMENU options = CreatePopupMenu();
    for (std::size_t i = 0; i < kOptionsMenu.size(); ++i) {
        const MenuItem& item = kOptionsMenu[i];
        AppendMenuW(options, item.kind == MenuItemKind::Separator ? MF_SEPARATOR : MF_STRING, kFirstMenuCommand + i,
                    Utf16(item.caption).c_str());
    }
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), Utf16(kOptionsMenuCaption).c_str());
    return bar;
}

void Win32Window::CreateControls() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr, instance_, nullptr);
    // Created in tab order, which is the order the Tab key follows; the labels take no focus.
    for (std::size_t i = 0; i < kFormControls.size(); ++i) {
        const ControlLayout& layout = kFormControls[i];
        auto [className, style] = ClassOf(layout.kind);
        if (layout.startsGroup) style |= WS_GROUP;
        const DWORD exStyle = layout.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0;
        controls_[i] =
            CreateWindowExW(exStyle, className, Utf16(layout.caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                            0, form_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), instance_, nullptr);
        // No text box has a length limit.
        if (layout.kind == ControlKind::TextBox) SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);
        if (!layout.tooltip.empty() && tooltips_ != nullptr) {
            std::wstring tip = Utf16(layout.tooltip);
            TOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = form_;
            tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
            tool.lpszText = tip.data();
            SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    SendMessageW(Control("optURL1"), BM_SETCHECK, BST_CHECKED, 0);
    lastFocus_ = Control("txtGPX");
    SetWindowSubclass(Control("txtIcon"), IconBoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Win32Window::Layout() {
    const UINT dpi = GetDpiForWindow(form_);
    const auto pixels = [dpi](int twips) { return TwipsToPixels(twips, static_cast<int>(dpi)); };
    RECT frame{0, 0, pixels(kFormWidth), pixels(kFormHeight)};
    AdjustWindowRectExForDpi(&frame, kFormStyle, TRUE, kFormExStyle, dpi);
    SetWindowPos(form_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The layout is measured for an 8-point dialog font of MS Sans Serif's widths.
    HFONT font = CreateFontW(-MulDiv(8, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
    for (std::size_t i = 0; i < kFormControls.size(); ++i) {
        const ControlLayout c = Drawn(kFormControls[i]);
        MoveWindow(controls_[i], pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height), TRUE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (font_ != nullptr) DeleteObject(font_);
    font_ = font;
}

HWND Win32Window::Control(std::string_view name) const {
    const std::size_t index = IndexOf(name);
    return index < controls_.size() ? controls_[index] : nullptr;
}

int Win32Window::Run() {
    ShowWindow(form_, SW_SHOWDEFAULT);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Enter and Escape click nothing: the form has no default or cancel button, so they skip
        // the dialog keys, which would turn them into clicks.
        const bool enterOrEscape =
            message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
        if (enterOrEscape || !IsDialogMessageW(form_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

void Win32Window::OpenGPX(const std::vector<std::wstring>& paths) {
    std::vector<std::string> files;
    for (const std::wstring& path : paths) {
        std::wstring full(MAX_PATH, L'\0');
        DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length > full.size()) {
            full.resize(length);
            length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
        }
        full.resize(length);
        files.push_back(Utf8(length != 0 ? full : path));
    }
    handlers_.Form_DropFile(files);
}

LRESULT CALLBACK Win32Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->form_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        // As a dialog does: the control with the focus is remembered when a box, a file dialog or
        // another program takes the activation. Disabled under a box, the window may already have
        // lost the focus; the control remembered before stays.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (std::find(controls_.begin(), controls_.end(), focus) != controls_.end()) lastFocus_ = focus;
        }
        // Activated and not minimized, the window takes the focus, which it passes on below.
        return DefWindowProcW(form_, message, wParam, lParam);
    case WM_SETFOCUS:
        // The window itself takes no keys: its focus goes to the control that had it last.
        SetFocus(lastFocus_);
        return 0;
    case WM_CONTEXTMENU:
        // The text boxes keep their own editing menus; a right click anywhere else ends here.
        ContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_DROPFILES: {
        // It is no input the worker's pump holds back; the handlers ignore it during a run.
        auto* drop = reinterpret_cast<HDROP>(wParam);
        std::vector<std::wstring> paths(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
        for (UINT i = 0; i < paths.size(); ++i) {
            paths[i].resize(DragQueryFileW(drop, i, nullptr, 0) + 1);
            paths[i].resize(DragQueryFileW(drop, i, paths[i].data(), static_cast<UINT>(paths[i].size())));
        }
        DragFinish(drop);
        std::erase(paths, std::wstring());
        if (!paths.empty()) OpenGPX(paths);
        return 0;
    }
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI: the suggested place, then the layout at the new DPI.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(form_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    }
    case kWmCallOnWindowThread:
        CallOnWindowThread(lParam);
        return 0;
    case WM_SETCURSOR:
        if (view_.Busy() && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
            return TRUE;
        }
        return DefWindowProcW(form_, message, wParam, lParam);
    case WM_CLOSE:
        // Close and the title bar's close box both end here.
        if (!handlers_.Form_QueryUnload()) return 0;
        handlers_.Form_Unload();
        DestroyWindow(form_);
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrW(form_, GWLP_USERDATA, 0);
        form_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(form_, message, wParam, lParam);
    }
}

void Win32Window::Command(int id, int code) {
    for (const auto& command : kCommands) {
        if (id == IdOf(command.control) && code == command.code) (handlers_.*command.handler)();
    }
    // A menu's WM_COMMAND carries 0 as its code.
    const auto entry = static_cast<std::size_t>(id - kFirstMenuCommand);
    if (code == 0 && id >= kFirstMenuCommand && entry < kOptionsMenu.size())
        handlers_.OptionsMenu_Click(kOptionsMenu[entry]);
}

void Win32Window::ContextMenu(int x, int y) {
    // The Options menu itself, so that its checks are the ones shown; the entry chosen comes as
    // the menu bar's would, in a WM_COMMAND.
    const POINT at = MenuPoint(form_, x, y);
    TrackPopupMenu(GetSubMenu(GetMenu(form_), 0), TPM_RIGHTBUTTON, at.x, at.y, 0, form_, nullptr);
}

LRESULT CALLBACK Win32Window::IconBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    if (message == WM_CONTEXTMENU) {
        const UINT chosen = EditMenu(box, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                                     {{kMnuWriteIcons, L"Write Corvane's Icons Here"}});
        if (chosen == kMnuWriteIcons) reinterpret_cast<Win32Window*>(self)->handlers_.mnuWriteIcons_Click();
        return 0;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace corvane
