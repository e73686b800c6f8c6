#include "test_window.h"

namespace pultara::win32::testing {

namespace {

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
        // Keys typed at the frame go to its edit control.
        if (HWND edit = GetWindow(window, GW_CHILD)) {
            SetFocus(edit);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* FrameClass() {
    static const wchar_t* name = [] {
        WNDCLASSW frame{};
        frame.lpfnWndProc = FrameProc;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        frame.lpszClassName = L"PultaraTestFrame";
        RegisterClassW(&frame);
        return frame.lpszClassName;
    }();
    return name;
}

}  // namespace

TestWindow::TestWindow(const std::wstring& title, bool withEdit, bool visible) {
    window_ = CreateWindowExW(0, FrameClass(), title.c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 400, 200,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (withEdit) {
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 380,
                                150, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    if (visible) {
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
    }
    PumpMessages(50);
}

TestWindow::~TestWindow() {
    Destroy();
}

void TestWindow::Destroy() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
        edit_ = nullptr;
        PumpMessages(20);
    }
}

std::wstring TestWindow::EditText() const {
    const int length = GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(edit_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void PumpMessages(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
}

bool MakeForeground(HWND window) {
    SetForegroundWindow(window);
    SetFocus(window);
    PumpMessages(100);
    return GetForegroundWindow() == window;
}

}  // namespace pultara::win32::testing
