// The controls read and set by window messages, the common file dialog, MessageBoxW and the cursor.
#include "FormToolkit.h"

#include "Messages.h"
#include "Utf16.h"
#include "WorkerPump.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace corvane {

// The message box answers and styles are Windows' own.
static_assert(kAnswerOK == IDOK && kAnswerYes == IDYES && kAnswerNo == IDNO);
static_assert(kStyleExclamation == MB_ICONEXCLAMATION && kStyleQuestion == (MB_YESNO | MB_ICONQUESTION) &&
              kStyleInformation == MB_ICONINFORMATION);

namespace {

// A filter in the dialog's form: "Name|pattern|..." with each bar a null, ending in two nulls
std::wstring DialogFilter(const std::string& filter) {
    std::wstring result = Utf16(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    return result + L'\0';
}

}  // namespace

FormToolkit::FormToolkit(ControlFinder control, MessageBoxFunction showMessage)
    : control_(std::move(control)), showMessage_(std::move(showMessage)) {
    if (!showMessage_) {
        showMessage_ = [](HWND owner, const std::wstring& prompt, unsigned style, const std::wstring& title) {
            return MessageBoxW(owner, prompt.c_str(), title.c_str(), style);
        };
    }
}

std::string FormToolkit::Text(std::string_view name) const {
    const HWND control = control_(name);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void FormToolkit::SetText(std::string_view name, const std::string& text) {
    // No change notification when the text stays the same.
    if (Text(name) != text) SetWindowTextW(control_(name), Utf16(text).c_str());
}

std::string FormToolkit::txtGPX() {
    return Text("txtGPX");
}

void FormToolkit::setTxtGPX(const std::string& text) {
    SetText("txtGPX", text);
}

std::string FormToolkit::txtMM() {
    return Text("txtMM");
}

void FormToolkit::setTxtMM(const std::string& text) {
    SetText("txtMM", text);
}

std::string FormToolkit::txtIcon() {
    return Text("txtIcon");
}

void FormToolkit::setTxtIcon(const std::string& text) {
    SetText("txtIcon", text);
}

std::string FormToolkit::txtCacher() {
    return Text("txtCacher");
}

void FormToolkit::setTxtCacher(const std::string& text) {
    SetText("txtCacher", text);
}

bool FormToolkit::chkHint() {
    return SendMessageW(control_("chkHint"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormToolkit::setChkHint(bool ticked) {
    SendMessageW(control_("chkHint"), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool FormToolkit::optURL0() {
    return SendMessageW(control_("optURL0"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormToolkit::setOptURL(int index) {
    SendMessageW(control_("optURL0"), BM_SETCHECK, index == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(control_("optURL1"), BM_SETCHECK, index == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int FormToolkit::MsgBox(const std::string& prompt, int style, const std::string& title, const std::string& detail) {
    const std::string text = detail.empty() ? prompt : prompt + "\n\n" + detail;
    return showMessage_(form_, Utf16(text), static_cast<unsigned>(style), Utf16(title));
}

std::optional<std::string> FormToolkit::ChooseFile(const std::string& filter, const std::string& initialDirectory,
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

void FormToolkit::RunOnWorker(const std::function<void()>& work) {
    RunWithPump(form_, work);
}

void FormToolkit::OnWindowThread(const std::function<void()>& work) {
    corvane::OnWindowThread(form_, work);
}

void FormToolkit::SetBusy(bool busy) {
    busy_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_APPSTARTING : IDC_ARROW));
}

void FormToolkit::Close() {
    PostMessageW(form_, WM_CLOSE, 0, 0);
}

}  // namespace corvane
