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

// Runs `activate`, which brings `window` to the front, and waits until the X
// server has given it the keyboard focus too. Wine then takes the state of
// Shift, Ctrl and Alt from the X server, which would let go of a Shift
// injected before that moment. A Shift held from before the activation is
// let go by Wine at that moment (no message tells of it, the key state
// does): that shows the focus has arrived.
// Wine also takes that state from the X server when the pointer enters one
// of its windows, which a window appearing under the pointer does at a
// moment nothing here can wait for. The pointer is therefore kept in the
// screen's bottom right corner, away from every window the tests open.
void KeepPointerAwayFromTestWindows() {
    const POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
    // Wine moves the X pointer only when the position differs from the one
    // it last knew, which another X client may have changed since: a step
    // beside the corner first makes sure the pointer really gets there.
    SetCursorPos(corner.x - 1, corner.y - 1);
    SetCursorPos(corner.x, corner.y);
    // The pointer leaving a window is handled before the activation below.
    HandlePendingMessages();
}

template <typename Activate>
bool ActivateWithKeyboardFocus(HWND window, Activate activate) {
    KeepPointerAwayFromTestWindows();
    const auto shiftHeld = [] { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; };
    keybd_event(VK_SHIFT, 0, 0, 0);
    // The press is taken in while the old window still has the focus.
    HandlePendingMessages();
    activate();
    const bool arrived = WaitFor([&] { return !shiftHeld(); }, 5000);
    if (!arrived) {
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        HandlePendingMessages();
    }
    return arrived && WaitFor([window] { return InFrontWithFocus(window); }, 5000);
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
        // Shown, the window comes to the front; tests start from there.
        ActivateWithKeyboardFocus(window_, [this] {
            ShowWindow(window_, SW_SHOW);
            UpdateWindow(window_);
        });
    }
    HandlePendingMessages();
}

TestWindow::~TestWindow() {
    Destroy();
}

void TestWindow::Destroy() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
        edit_ = nullptr;
        HandlePendingMessages();
    }
}

std::wstring TestWindow::EditText() const {
    const int length = GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(edit_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool InFrontWithFocus(HWND window) {
    const HWND focus = GetFocus();
    return GetForegroundWindow() == window && (focus == window || IsChild(window, focus));
}

bool WaitForInputHandled() {
    constexpr BYTE kMarkerKey = VK_F24;
    keybd_event(kMarkerKey, 0, 0, 0);
    keybd_event(kMarkerKey, 0, KEYEVENTF_KEYUP, 0);
    return WaitForMessage(
        [](const MSG& message) {
            return message.message == WM_KEYUP && message.wParam == kMarkerKey;
        },
        5000);
}

bool MakeForeground(HWND window) {
    if (InFrontWithFocus(window)) {
        return true;
    }
    return ActivateWithKeyboardFocus(window, [window] {
        SetForegroundWindow(window);
        SetFocus(window);
    });
}

}  // namespace pultara::win32::testing
