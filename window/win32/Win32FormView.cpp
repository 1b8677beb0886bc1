// The controls read and set by window messages, the common file dialog, MessageBoxW and the cursor.
#include "Win32FormView.h"

#include "OptionsMenu.h"
#include "Utf16.h"
#include "Win32MessageBox.h"
#include "WorkerPump.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace corvane {

namespace {

// A filter in the dialog's form: "Name|pattern|..." with each bar a null, ending in two nulls
std::wstring DialogFilter(const std::string& filter) {
    std::wstring result = Utf16(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    return result + L'\0';
}

// The command of the Options menu's entry for the option
UINT MenuCommand(const OptionRow& option) {
    const auto item = std::ranges::find(kOptionsMenu, &option, &MenuItem::option);
    return static_cast<UINT>(kFirstMenuCommand + (item - kOptionsMenu.begin()));
}

}  // namespace

Win32FormView::Win32FormView(ControlFinder control, MessageBoxView* boxes)
    : control_(std::move(control)), boxes_(boxes) {}

std::string Win32FormView::Text(std::string_view name) const {
    const HWND control = control_(name);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void Win32FormView::SetText(std::string_view name, const std::string& text) {
    // No change notification when the text stays the same.
    if (Text(name) != text) SetWindowTextW(control_(name), Utf16(text).c_str());
}

std::string Win32FormView::txtGPX() {
    return Text("txtGPX");
}

void Win32FormView::setTxtGPX(const std::string& text) {
    SetText("txtGPX", text);
}

std::string Win32FormView::txtMM() {
    return Text("txtMM");
}

void Win32FormView::setTxtMM(const std::string& text) {
    SetText("txtMM", text);
}

std::string Win32FormView::txtIcon() {
    return Text("txtIcon");
}

void Win32FormView::setTxtIcon(const std::string& text) {
    SetText("txtIcon", text);
}

std::string Win32FormView::txtCacher() {
    return Text("txtCacher");
}

void Win32FormView::setTxtCacher(const std::string& text) {
    SetText("txtCacher", text);
}

bool Win32FormView::Choice(const OptionRow& option) {
    if (option.control == OptionControl::MenuEntry)
        return menuChecks_[RowIndex(option)];
    return SendMessageW(control_(option.controlName), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32FormView::SetChoice(const OptionRow& option, bool yes) {
    if (option.control == OptionControl::MenuEntry) {
        menuChecks_[RowIndex(option)] = yes;
        CheckMenuItem(GetMenu(form_), MenuCommand(option), MF_BYCOMMAND | (yes ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    SendMessageW(control_(option.controlName), BM_SETCHECK, yes ? BST_CHECKED : BST_UNCHECKED, 0);
    if (option.control == OptionControl::OptionPair)
        SendMessageW(control_(option.otherControl), BM_SETCHECK, yes ? BST_UNCHECKED : BST_CHECKED, 0);
}

BoxAnswer Win32FormView::MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                                const std::string& detail) {
    if (boxes_ != nullptr) return boxes_->MsgBox(prompt, kind, title, detail);
    return ShowMessageBox(form_, prompt, kind, title, detail);
}

std::optional<std::string> Win32FormView::ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                     const std::string& fileName, const std::string& defaultExtension) {
    const std::wstring filters = DialogFilter(filter);
    const std::wstring folder = Utf16(initialDirectory);
    const std::wstring name = Utf16(fileName);
    const std::wstring extension = Utf16(defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');
    std::copy_n(name.begin(), std::min(name.size(), file.size() - 1), file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = form_;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The Explorer dialog with no checks: the CSV file to create need not exist, and it is not
    // asked about here; the conversion asks before replacing it.
    dialog.Flags = OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return Utf8(std::wstring(file.data()));
}

void Win32FormView::RunOnWorker(const std::function<void()>& work) {
    RunWithPump(form_, work);
}

void Win32FormView::OnWindowThread(const std::function<void()>& work) {
    corvane::OnWindowThread(form_, work);
}

void Win32FormView::SetBusy(bool busy) {
    busy_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_APPSTARTING : IDC_ARROW));
}

void Win32FormView::Close() {
    PostMessageW(form_, WM_CLOSE, 0, 0);
}

}  // namespace corvane
