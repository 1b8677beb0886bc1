// Starts Corvane on Windows: shows its one window and runs until the window is closed.
#include "Win32Form.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    corvane::Win32Form form(instance);
    if (!form.Create()) return 1;
    return form.Run();
}
