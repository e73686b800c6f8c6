#pragma once
#include <windows.h>

#include <string>

#include "waiting.h"

namespace pultara::win32::testing {

// A top-level window of this test process, optionally with an EDIT control
// that fills it, destroyed with the object.
class TestWindow {
public:
    explicit TestWindow(const std::wstring& title, bool withEdit = false, bool visible = true);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }
    HWND Edit() const { return edit_; }
    std::uint64_t Id() const { return reinterpret_cast<std::uintptr_t>(window_); }
    std::wstring EditText() const;
    void Destroy();

private:
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

// Whether `window` is in front and it or one of its children has the
// keyboard focus.
bool InFrontWithFocus(HWND window);

// Injects a key that types nothing and handles this thread's messages until
// its release arrives: input injected before it has then been handled,
// since a thread's keyboard input arrives in the order it was sent.
bool WaitForInputHandled();

// Brings `window` to the front the way a user's click would; true once it
// is in front with the focus and the X server has given it the keyboard
// focus too (so an injected Shift is no longer let go by Wine).
bool MakeForeground(HWND window);

}  // namespace pultara::win32::testing
