// Work on a thread of its own while the window's thread keeps its window painted, and calls
// from that thread back onto the window's.
#pragma once

#include <windows.h>

#include <functional>

namespace corvane {

// Sent by OnWindowThread: lParam points to the work to carry out.
inline constexpr UINT kWmCallOnWindowThread = WM_APP;

// Run work on a thread of its own and return when it has ended, rethrowing what it threw.
// Meanwhile this thread dispatches everything but keyboard and mouse input, which waits in the
// queue until the work has ended, as if the work held this thread.
void RunWithPump(HWND window, const std::function<void()>& work);

// Carry out work on the thread of window and return when it is done; its window procedure hands
// kWmCallOnWindowThread to CallOnWindowThread
void OnWindowThread(HWND window, const std::function<void()>& work);

// What the window procedure does with kWmCallOnWindowThread
void CallOnWindowThread(LPARAM lParam);

}  // namespace corvane
