// A bare Win32 program of pultara.exe's shape that does nothing: a hidden
// top-level window with a tray icon, Raw Input of game controllers
// registered to it, a worker thread waiting on an event (as the stopped poll
// timer does) and a 5 s window timer with an empty handler. Measured beside
// pultara.exe under Wine, it shows the wake-ups that Wine and the message
// loop cost on their own.
#include <windows.h>

#include <shellapi.h>

namespace {

LRESULT CALLBACK IdleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// The poll timer's worker thread at rest: waits on an event that never comes.
DWORD WINAPI WaitForever(void* event) {
    return WaitForSingleObject(event, INFINITE);
}

int main() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = IdleProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"PultaraIdleLoop";
    RegisterClassExW(&type);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, type.hInstance, nullptr);

    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = WM_APP + 5;
    icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    lstrcpynW(icon.szTip, L"idle loop", ARRAYSIZE(icon.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon);

    RAWINPUTDEVICE devices[2] = {};
    for (int i = 0; i < 2; ++i) {
        devices[i].usUsagePage = 0x01;                       // generic desktop
        devices[i].usUsage = static_cast<USHORT>(0x04 + i);  // joystick, gamepad
        devices[i].dwFlags = RIDEV_INPUTSINK | RIDEV_DEVNOTIFY;
        devices[i].hwndTarget = window;
    }
    RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE));

    HANDLE never = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    // A Win32 thread, as in pultara.exe (the XP build has no std::thread).
    const HANDLE waiter = CreateThread(nullptr, 0, WaitForever, never, 0, nullptr);
    CloseHandle(waiter);
    SetTimer(window, 1, 5000, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    return 0;
}
