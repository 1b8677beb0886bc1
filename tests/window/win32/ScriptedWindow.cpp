// corvane.exe's window with its message boxes answered from a script, for the smoke test.
// CORVANE_CLICKS names the buttons to click once the window is up (in order), CORVANE_ANSWERS the
// answers to the Yes/No boxes (OK boxes answer OK); CORVANE_LOG receives the window's title and
// client size and every box shown.
#include "Win32Form.h"

#include "Utf16.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> List(const char* variable) {
    std::vector<std::string> items;
    std::istringstream text(std::getenv(variable) != nullptr ? std::getenv(variable) : "");
    for (std::string item; std::getline(text, item, ',');) items.push_back(item);
    return items;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::FILE* log = std::fopen(std::getenv("CORVANE_LOG"), "wb");
    if (log == nullptr) return 2;
    std::vector<std::string> answers = List("CORVANE_ANSWERS");
    corvane::Win32Form form(instance, [&](HWND, const std::wstring& prompt, unsigned style, const std::wstring& title) {
        std::fprintf(log, "box|%s|%u|%s\n", corvane::Utf8(prompt).c_str(), style, corvane::Utf8(title).c_str());
        if ((style & MB_YESNO) == 0) return IDOK;
        if (answers.empty()) return IDNO;
        const int answer = std::atoi(answers.front().c_str());
        answers.erase(answers.begin());
        return answer;
    });
    if (!form.Create()) return 1;
    wchar_t title[64] = {};
    GetWindowTextW(form.Handle(), title, 64);
    RECT client{};
    GetClientRect(form.Handle(), &client);
    std::fprintf(log, "window|%s|%ldx%ld|%u\n", corvane::Utf8(title).c_str(), client.right, client.bottom,
                 GetDpiForWindow(form.Handle()));
    // Posted, so that each click runs from the message loop as a user's would.
    for (const std::string& name : List("CORVANE_CLICKS")) {
        const HWND button = form.Control(name);
        PostMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    const int status = form.Run();
    std::fclose(log);
    return status;
}
