#include "apps/win32/single_instance.h"

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

SingleInstance::~SingleInstance() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

UINT SingleInstance::ShowSettingsMessage() {
    static const UINT message = RegisterWindowMessageW(L"Pultara.ShowSettings");
    return message;
}

bool SingleInstance::AskFirstCopyToShow() {
    const ULONGLONG deadline = GetTickCount64() + kAnswerMs;
    for (;;) {
        if (HWND window = FindWindowW(kApplicationWindowClass, nullptr)) {
            // This start came from the user, so it may hand the right to
            // come to the front on to the running copy.
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            AllowSetForegroundWindow(process);
            return PostMessageW(window, ShowSettingsMessage(), 0, 0) != FALSE;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kRetryMs);
    }
}

}  // namespace pultara::win32app
