#pragma once
#include <windows.h>

#include <string>

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

// Handles this thread's pending messages for about `milliseconds`.
void PumpMessages(int milliseconds);

// Brings `window` to the front the way a user's click would.
bool MakeForeground(HWND window);

}  // namespace pultara::win32::testing
