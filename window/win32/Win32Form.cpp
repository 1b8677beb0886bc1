// Corvane's one window in Win32: the controls, the file dialog, the message boxes and the
// registry settings of the Windows front-end.
#include "Win32Form.h"

#include "Utf16.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace corvane {

// The message box answers are Windows' own.
static_assert(kAnswerOK == IDOK && kAnswerYes == IDYES && kAnswerNo == IDNO);
static_assert(kStyleExclamation == MB_ICONEXCLAMATION && kStyleQuestion == (MB_YESNO | MB_ICONQUESTION) &&
              kStyleInformation == MB_ICONINFORMATION);

namespace {

constexpr wchar_t kClassName[] = L"CorvaneFrmMain";
constexpr int kFirstId = 100;  // above IDOK and IDCANCEL, which Enter and Escape would send
constexpr int kMnuIconsByType = 90;
constexpr int kMnuWriteIcons = 91;
// Sent by OnWindowThread: lParam points to the work to carry out.
constexpr UINT kWmCallOnWindowThread = WM_APP;

// The busy cursor of a conversion (IDC_APPSTARTING: the window still paints), and the arrow
HCURSOR BusyCursor() {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32650));
}
HCURSOR Arrow() {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
}

// A screen point for a context menu; from the keyboard (Shift+F10) it has none and opens at the corner of window.
POINT MenuPoint(HWND window, int x, int y) {
    POINT at{x, y};
    if (x == -1 && y == -1) {
        at = {0, 0};
        ClientToScreen(window, &at);
    }
    return at;
}
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

// A filter in the dialog's form: "Name|pattern|..." with each bar a null, ending in two nulls
std::wstring DialogFilter(const std::string& filter) {
    std::wstring result = Utf16(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    return result + L'\0';
}

}  // namespace

Win32Form::Win32Form(HINSTANCE instance, MessageBoxFunction showMessage)
    : instance_(instance), showMessage_(std::move(showMessage)) {
    if (!showMessage_) {
        showMessage_ = [](HWND owner, const std::wstring& prompt, unsigned style, const std::wstring& title) {
            return MessageBoxW(owner, prompt.c_str(), title.c_str(), style);
        };
    }
}

Win32Form::~Win32Form() {
    if (form_ != nullptr) DestroyWindow(form_);
    if (font_ != nullptr) DeleteObject(font_);
}

bool Win32Form::Create() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // Where the window system puts new windows; the size follows from the DPI of the monitor it lands on.
    form_ = CreateWindowExW(kFormExStyle, kClassName, Utf16(kFormCaption).c_str(), kFormStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this);
    if (form_ == nullptr) return false;
    CreateControls();
    Layout();
    handlers_.Form_Load();
    return true;
}

void Win32Form::CreateControls() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr, instance_, nullptr);
    // Created in tab order, which is the order the Tab key follows; the labels take no focus.
    for (std::size_t i = 0; i < kFormControls.size(); ++i) {
        const ControlLayout& layout = kFormControls[i];
        auto [className, style] = ClassOf(layout.kind);
        // The option pair is one group: the first element starts it, the button after it starts the next.
        if (layout.name == "txtGPX" || layout.name == "optURL0" || layout.name == "cmdConvert") style |= WS_GROUP;
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
    setOptURL(1);
    SetWindowSubclass(Control("txtIcon"), IconBoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Win32Form::Layout() {
    const UINT dpi = GetDpiForWindow(form_);
    const auto pixels = [dpi](int twips) { return TwipsToPixels(twips, static_cast<int>(dpi)); };
    RECT frame{0, 0, pixels(kFormWidth), pixels(kFormHeight)};
    AdjustWindowRectExForDpi(&frame, kFormStyle, FALSE, kFormExStyle, dpi);
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

HWND Win32Form::Control(std::string_view name) const {
    const std::size_t index = IndexOf(name);
    return index < controls_.size() ? controls_[index] : nullptr;
}

int Win32Form::Run() {
    ShowWindow(form_, SW_SHOWDEFAULT);
    SetFocus(Control("txtGPX"));
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

void Win32Form::OpenGPX(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length > full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    }
    full.resize(length);
    handlers_.Form_DropFile(Utf8(length != 0 ? full : path));
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->form_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CONTEXTMENU:
        // The text boxes keep their own editing menus; a right click anywhere else ends here.
        ContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_DROPFILES: {
        auto* drop = reinterpret_cast<HDROP>(wParam);
        std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
        DragFinish(drop);
        if (!path.empty()) OpenGPX(path);
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
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    case WM_SETCURSOR:
        if (frozen_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(BusyCursor());
            return TRUE;
        }
        return DefWindowProcW(form_, message, wParam, lParam);
    case WM_CLOSE:
        // A close during a conversion waits for its end, so that the settings hold what it used.
        if (frozen_) {
            closeWhenDone_ = true;
            return 0;
        }
        // Close and the title bar's close box both end here; the window always closes.
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

void Win32Form::Command(int id, int code) {
    if (id == IdOf("txtGPX") && code == EN_CHANGE) {
        handlers_.txtGPX_Change();
    } else if (code == BN_CLICKED) {
        // A run holds the user's clicks back; one posted to the form meanwhile starts nothing
        // but a close.
        if (frozen_ && id != IdOf("cmdClose")) return;
        if (id == IdOf("cmdGPX")) handlers_.cmdGPX_Click();
        if (id == IdOf("cmdMM")) handlers_.cmdMM_Click();
        if (id == IdOf("cmdConvert")) handlers_.cmdConvert_Click();
        if (id == IdOf("cmdClose")) SendMessageW(form_, WM_CLOSE, 0, 0);
    }
}

void Win32Form::ContextMenu(int x, int y) {
    const POINT at = MenuPoint(form_, x, y);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | (iconsByType_ ? MF_CHECKED : MF_UNCHECKED), kMnuIconsByType, L"Icons by cache type");
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, form_, nullptr);
    DestroyMenu(menu);
    if (chosen == kMnuIconsByType) iconsByType_ = !iconsByType_;
}

void Win32Form::IconBoxMenu(int x, int y) {
    const HWND box = Control("txtIcon");
    const POINT at = MenuPoint(box, x, y);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const UINT selected = start != end ? MF_ENABLED : MF_GRAYED;
    const UINT paste = IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED;
    const UINT undo = SendMessageW(box, EM_CANUNDO, 0, 0) ? MF_ENABLED : MF_GRAYED;
    // The edit box's own entries, each sending the message that carries it out.
    const struct {
        UINT flags;
        UINT message;
        const wchar_t* text;
    } entries[] = {
        {undo, EM_UNDO, L"&Undo"},    {MF_SEPARATOR, 0, nullptr},
        {selected, WM_CUT, L"Cu&t"},  {selected, WM_COPY, L"&Copy"},
        {paste, WM_PASTE, L"&Paste"}, {selected, WM_CLEAR, L"&Delete"},
        {MF_SEPARATOR, 0, nullptr},   {MF_ENABLED, EM_SETSEL, L"Select &All"},
    };
    HMENU menu = CreatePopupMenu();
    for (const auto& entry : entries) AppendMenuW(menu, MF_STRING | entry.flags, entry.message, entry.text);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMnuWriteIcons, L"Write Corvane's Icons Here");
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, form_, nullptr));
    DestroyMenu(menu);
    if (chosen == kMnuWriteIcons) {
        handlers_.mnuWriteIcons_Click();
    } else if (chosen == EM_SETSEL) {
        SendMessageW(box, EM_SETSEL, 0, -1);
    } else if (chosen != 0) {
        SendMessageW(box, chosen, 0, 0);
    }
}

LRESULT CALLBACK Win32Form::IconBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
    if (message == WM_CONTEXTMENU) {
        reinterpret_cast<Win32Form*>(self)->IconBoxMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void Win32Form::OnWindowThread(const std::function<void()>& work) {
    if (GetWindowThreadProcessId(form_, nullptr) == GetCurrentThreadId())
        work();
    else
        SendMessageW(form_, kWmCallOnWindowThread, 0, reinterpret_cast<LPARAM>(&work));
}

std::string Win32Form::Text(std::string_view name) const {
    const HWND control = Control(name);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void Win32Form::SetText(std::string_view name, const std::string& text) {
    // No change notification when the text stays the same.
    if (Text(name) != text) SetWindowTextW(Control(name), Utf16(text).c_str());
}

std::string Win32Form::txtGPX() {
    return frozen_ ? frozen_->txtGPX : Text("txtGPX");
}

void Win32Form::setTxtGPX(const std::string& text) {
    SetText("txtGPX", text);
}

std::string Win32Form::txtMM() {
    return frozen_ ? frozen_->txtMM : Text("txtMM");
}

void Win32Form::setTxtMM(const std::string& text) {
    SetText("txtMM", text);
}

std::string Win32Form::txtIcon() {
    return frozen_ ? frozen_->txtIcon : Text("txtIcon");
}

void Win32Form::setTxtIcon(const std::string& text) {
    if (frozen_) frozen_->txtIcon = text;
    OnWindowThread([&] { SetText("txtIcon", text); });
}

std::string Win32Form::txtCacher() {
    return frozen_ ? frozen_->txtCacher : Text("txtCacher");
}

void Win32Form::setTxtCacher(const std::string& text) {
    SetText("txtCacher", text);
}

int Win32Form::chkHint() {
    if (frozen_) return frozen_->chkHint;
    return SendMessageW(Control("chkHint"), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32Form::setChkHint(int value) {
    SendMessageW(Control("chkHint"), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Form::optURL0() {
    if (frozen_) return frozen_->optURL0;
    return SendMessageW(Control("optURL0"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::setOptURL(int index) {
    SendMessageW(Control("optURL0"), BM_SETCHECK, index == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Control("optURL1"), BM_SETCHECK, index == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Form::mnuIconsByType() {
    return frozen_ ? frozen_->mnuIconsByType : iconsByType_;
}

void Win32Form::setMnuIconsByType(bool checked) {
    iconsByType_ = checked;
}

int Win32Form::MsgBox(const std::string& prompt, int style, const std::string& title) {
    int answer = IDOK;
    OnWindowThread([&] {
        // The busy cursor is for the work; a box waits for the user, who needs the arrow.
        if (frozen_) SetCursor(Arrow());
        answer = showMessage_(form_, Utf16(prompt), static_cast<unsigned>(style), Utf16(title));
        if (frozen_) SetCursor(BusyCursor());
    });
    return answer;
}

int Win32Form::MsgBoxDetail(const std::string& prompt, int style, const std::string& title, const std::string& detail) {
    return MsgBox(detail.empty() ? prompt : prompt + "\n\n" + detail, style, title);
}

std::optional<std::string> Win32Form::ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                 const std::string& fileName) {
    const std::wstring filters = DialogFilter(filter);
    const std::wstring folder = Utf16(initialDirectory);
    const std::wstring name = Utf16(fileName);
    std::vector<wchar_t> file(32768, L'\0');
    std::copy_n(name.begin(), std::min(name.size(), file.size() - 1), file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = form_;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // The Explorer dialog with no checks: the CSV file to create need not exist, and it is not
    // asked about here; the conversion asks before replacing it.
    dialog.Flags = OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return Utf8(std::wstring(file.data()));
}

void Win32Form::RunConversion(const std::function<void()>& conversion) {
    // Its questions and messages still come one at a time, in its order, on this thread (they
    // arrive as kWmCallOnWindowThread); keyboard and mouse input to the window waits in the
    // queue until the run has ended, as when the run held this thread.
    frozen_ = FormValues::Read(*this);
    const HCURSOR previous = SetCursor(BusyCursor());
    std::atomic<bool> ended = false;
    std::exception_ptr failure;
    std::thread run([&] {
        try {
            conversion();
        } catch (...) {
            failure = std::current_exception();
        }
        ended = true;
        PostMessageW(form_, WM_NULL, 0, 0);  // wakes the loop below
    });
    while (!ended) {
        MSG message;
        const auto next = [&message] {
            return PeekMessageW(&message, nullptr, 0, WM_KEYFIRST - 1, PM_REMOVE) ||
                   PeekMessageW(&message, nullptr, WM_KEYLAST + 1, WM_MOUSEFIRST - 1, PM_REMOVE) ||
                   PeekMessageW(&message, nullptr, WM_MOUSELAST + 1, 0xFFFF, PM_REMOVE);
        };
        while (!ended && next()) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        // Only what is not input wakes the loop: input waiting in the queue does not.
        if (!ended)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE,
                                      QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT | QS_TIMER);
    }
    run.join();
    frozen_.reset();
    SetCursor(previous);
    if (closeWhenDone_) PostMessageW(form_, WM_CLOSE, 0, 0);
    if (failure) std::rethrow_exception(failure);
}

}  // namespace corvane
