// corvane.exe's window with its message boxes answered from a script, for the smoke test.
// CORVANE_CLICKS names the buttons to click once the window is up, in order ("focus" logs the
// control with the keyboard focus, "away" activates another window and closes it, "options" chooses
// each check entry of the Options menu, "drop" drops the two files of a pocket query);
// CORVANE_ANSWERS the answers to the Yes/No boxes (OK boxes answer OK, file dialogs Cancel, except
// that the first file dialog opens the name CORVANE_TYPED, when given, as if typed into it);
// CORVANE_LOG receives the window's title, client size and GPX box's place in it, the menu bar,
// and every box shown.
#include "Win32Window.h"

#include "FormLayout.h"
#include "Utf16.h"
#include "Win32MessageBox.h"

#include <dlgs.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> List(const char* variable) {
    std::vector<std::string> items;
    std::istringstream text(std::getenv(variable) != nullptr ? std::getenv(variable) : "");
    for (std::string item; std::getline(text, item, ',');) items.push_back(item);
    return items;
}

// The script's state, for the timer that plays it
struct Script {
    corvane::Win32Window* form = nullptr;
    std::FILE* log = nullptr;
    std::vector<std::string> clicks;
    std::size_t next = 0;
    std::string typed;  // the name to type into the next file dialog, "" for none
    bool clicking = false;
    int answer = IDCANCEL;  // what the box or dialog now up is answered
};
Script script;

// The entries of the menu and its menus, each as "|" and its caption ("+" before a checked one, "-"
// for a separator), a menu's after its own
std::string Entries(HMENU menu) {
    std::string entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[100] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = caption;
        item.cch = 100;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        entries +=
            (item.fType & MFT_SEPARATOR) ? "|-" : (item.fState & MFS_CHECKED ? "|+" : "|") + corvane::Utf8(caption);
        if (item.hSubMenu != nullptr) entries += Entries(item.hSubMenu);
    }
    return entries;
}

// Answers the box or dialog that is up, else takes the next step once the last one has returned.
void CALLBACK Play(HWND, UINT, UINT_PTR, DWORD) {
    const HWND active = GetActiveWindow();
    if (active != nullptr && active != script.form->Handle()) {
        // No box is up (its answer would be set): a file dialog, whose name field is cmb13.
        const bool typing = script.answer == IDCANCEL && !script.typed.empty();
        if (typing) SetDlgItemTextW(active, cmb13, corvane::Utf16(std::exchange(script.typed, {})).c_str());
        PostMessageW(active, WM_COMMAND, static_cast<WPARAM>(typing ? IDOK : script.answer), 0);
        return;
    }
    if (script.clicking || script.next == script.clicks.size()) return;
    const std::string name = script.clicks[script.next++];
    if (name == "focus") {
        std::string focused = "none";
        for (const auto& control : corvane::kFormControls) {
            if (script.form->Control(control.name) == GetFocus()) focused = control.name;
        }
        std::fprintf(script.log, "focus|%s\n", focused.c_str());
        return;
    }
    const HWND form = script.form->Handle();
    if (name == "options") {
        // Each entry above the separator, as the menu tells of the one chosen
        const HMENU options = GetSubMenu(GetMenu(form), 0);
        for (int i = 0; i + 2 < GetMenuItemCount(options); ++i)
            SendMessageW(form, WM_COMMAND, GetMenuItemID(options, i), 0);
        return;
    }
    if (name == "drop") {
        // As the shell drops files: a DROPFILES, then each name and its null, then one more null
        constexpr wchar_t kFiles[] = L"pq-wpts.gpx\0pq.gpx\0";
        auto* drop = static_cast<DROPFILES*>(GlobalAlloc(GPTR, sizeof(DROPFILES) + sizeof(kFiles)));
        *drop = {sizeof(DROPFILES), {}, FALSE, TRUE};
        std::memcpy(drop + 1, kFiles, sizeof(kFiles));
        SendMessageW(form, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        return;
    }
    if (name == "away") {
        // Another window takes the activation, as another program's would, and closes.
        DestroyWindow(
            CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr));
        return;
    }
    // As a mouse click does: the button takes the focus, then tells the form.
    const HWND button = script.form->Control(name);
    script.clicking = true;
    SetFocus(button);
    SendMessageW(script.form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    script.clicking = false;
}

// Logs each box with its MessageBoxW style and shows it as the window would, for Play to answer:
// each Yes/No box with the next of answers (IDYES or IDNO), then No.
struct ScriptedBoxes : corvane::MessageBoxView {
    std::vector<std::string> answers = List("CORVANE_ANSWERS");
    corvane::BoxAnswer MsgBox(const std::string& prompt, corvane::BoxKind kind, const std::string& title,
                              const std::string& detail) override {
        // The detail, when there is one, on lines of its own under the prompt, as the box shows it
        const std::string text = detail.empty() ? prompt : prompt + "\n" + detail;
        std::fprintf(script.log, "box|%s|%u|%s\n", text.c_str(), corvane::BoxStyle(kind), title.c_str());
        const bool question = kind == corvane::BoxKind::Question;
        script.answer = !question ? IDOK : answers.empty() ? IDNO : std::atoi(answers.front().c_str());
        if (question && !answers.empty()) answers.erase(answers.begin());
        const corvane::BoxAnswer answer = corvane::ShowMessageBox(script.form->Handle(), prompt, kind, title, detail);
        script.answer = IDCANCEL;
        return answer;
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    script.log = std::fopen(std::getenv("CORVANE_LOG"), "wb");
    if (script.log == nullptr) return 2;
    // Real boxes, so that they take the activation from the window as they do for a user.
    ScriptedBoxes boxes;
    corvane::Win32Window form(instance, &boxes);
    script.form = &form;
    if (!form.Create()) return 1;
    script.clicks = List("CORVANE_CLICKS");
    script.typed = std::getenv("CORVANE_TYPED") != nullptr ? std::getenv("CORVANE_TYPED") : "";
    wchar_t title[64] = {};
    GetWindowTextW(form.Handle(), title, 64);
    RECT client{}, box{};
    GetClientRect(form.Handle(), &client);
    GetWindowRect(form.Control("txtGPX"), &box);
    MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&box), 2);
    std::fprintf(script.log, "window|%s|%ldx%ld|%u|%ld,%ld\nmenu%s\n", corvane::Utf8(title).c_str(), client.right,
                 client.bottom, GetDpiForWindow(form.Handle()), box.left, box.top,
                 Entries(GetMenu(form.Handle())).c_str());
    // Played from the message loops, the window's and each box's, as a user's clicks would be.
    SetTimer(nullptr, 0, 50, Play);
    const int status = form.Run();
    std::fclose(script.log);
    return status;
}
