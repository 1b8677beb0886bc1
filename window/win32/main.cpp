// Starts Corvane on Windows: shows its one window and runs until the window is closed.
#include "Win32Form.h"

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    corvane::Win32Form form(instance);
    if (!form.Create()) return 1;
    // Explorer opening a GPX file with Corvane names it as the one argument.
    int count = 0;
    if (wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        if (count > 1) form.OpenGPX(arguments[1]);
        LocalFree(arguments);
    }
    return form.Run();
}
