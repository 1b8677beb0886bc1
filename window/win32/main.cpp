// Starts Corvane on Windows: shows its one window and runs until the window is closed.
#include "FormLayout.h"
#include "ProgramArguments.h"
#include "Utf16.h"
#include "Win32MessageBox.h"
#include "Win32Window.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The program's arguments after its name, as UTF-8
std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    int count = 0;
    if (wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) args.push_back(corvane::Utf8(arguments[i]));
        LocalFree(arguments);
    }
    return args;
}

// A window program has no console of its own: the text goes to the output it was given, else to
// the console it was started from, else into a box.
void Print(const std::string& text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE &&
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        return;
    corvane::ShowMessageBox(nullptr, text, corvane::BoxKind::Information, std::string(corvane::kFormCaption), {});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const corvane::ProgramArguments arguments = corvane::ReadProgramArguments(Arguments());
    if (arguments.action == corvane::ProgramAction::Help || arguments.action == corvane::ProgramAction::Version) {
        Print(arguments.text);
        return 0;
    }
    corvane::Win32Window form(instance);
    if (!form.Create()) return 1;
    // Explorer opening a GPX file with Corvane names it as the one argument.
    if (!arguments.gpx.empty()) form.OpenGPX({corvane::Utf16(arguments.gpx)});
    if (arguments.action == corvane::ProgramAction::Refuse)
        corvane::ShowMessageBox(form.Handle(), arguments.text, corvane::BoxKind::Warning,
                                std::string(corvane::kFormCaption), {});
    return form.Run();
}
