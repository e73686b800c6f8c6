#pragma once
#include <windows.h>

namespace pultara::win32::testing {

// Handles the messages in this thread's queue, and the ones they lead to,
// until none is left.
inline void HandlePendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Waits until `condition` holds, handling this thread's messages meanwhile
// (its own windows may be what the condition waits for). False when it
// still does not hold after `milliseconds`.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds = 15000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        HandlePendingMessages();
        if (condition()) {
            return true;
        }
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(10);
    }
}

// Handles this thread's messages until one for which `seen(message)` holds
// has been handled. False when none came within `milliseconds`.
template <typename Seen>
bool WaitForMessage(Seen seen, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (seen(message)) {
                return true;
            }
        }
        Sleep(5);
    } while (GetTickCount64() < end);
    return false;
}

}  // namespace pultara::win32::testing
