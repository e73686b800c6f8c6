#include "apps/win32/single_instance.h"

#include "platform/win32/newer_windows.h"

namespace pultara::win32app {

namespace {

constexpr DWORD kAnswerMs = 5000;
constexpr DWORD kRetryMs = 50;

}  // namespace

SingleInstance::SingleInstance()
    : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\Pultara.Orvendt.tevorin")),
      // Without a mutex (not expected) the program runs as before rather
      // than not at all.
      first_(mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) {}

UINT SingleInstance::ShowSettingsMessage() {
    static const UINT message = RegisterWindowMessageW(L"Pultara.ShowSettings");
    return message;
}

bool SingleInstance::AskFirstCopyToShow() {
    const std::uint64_t deadline = win32::TickCount64() + kAnswerMs;
    for (;;) {
        if (HWND window = FindWindowW(kApplicationWindowClass, nullptr)) {
            // This start came from the user, so it may hand the right to
            // come to the front on to the running copy.
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            AllowSetForegroundWindow(process);
            return PostMessageW(window, ShowSettingsMessage(), 0, 0) != FALSE;
        }
        if (win32::TickCount64() >= deadline) {
            return false;
        }
        Sleep(kRetryMs);
    }
}

}  // namespace pultara::win32app
