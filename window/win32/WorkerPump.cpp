// A std::thread for the work, and a loop that dispatches all but input until it ends.
#include "WorkerPump.h"

#include <atomic>
#include <exception>
#include <thread>

namespace corvane {

void RunWithPump(HWND window, const std::function<void()>& work) {
    std::atomic<bool> ended = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        ended = true;
        PostMessageW(window, WM_NULL, 0, 0);  // wakes the loop below
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
    worker.join();
    if (failure) std::rethrow_exception(failure);
}

void OnWindowThread(HWND window, const std::function<void()>& work) {
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        work();
    else
        SendMessageW(window, kWmCallOnWindowThread, 0, reinterpret_cast<LPARAM>(&work));
}

void CallOnWindowThread(LPARAM lParam) {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
}

}  // namespace corvane
