#pragma once
#include <windows.h>

#include <memory>

namespace pultara::win32app {

// The class of the program's hidden application window, which a later start
// looks for.
inline constexpr wchar_t kApplicationWindowClass[] = L"PultaraApplication";

// One running copy per session. The first copy owns a named mutex in the
// session's namespace; Windows lets go of it when the process ends, also by
// a crash, so no stale lock outlives it. A later copy finds the mutex taken,
// asks the first copy to show its settings window with a registered message
// to the first copy's application window, and ends before it touches the
// joystick.
class SingleInstance {
public:
    SingleInstance();

    bool First() const { return first_; }
    // A later copy: posts the request to the running copy's window, waiting
    // a few seconds for the window while that copy starts. False when no
    // window appeared.
    static bool AskFirstCopyToShow();
    // The registered message that asks for the settings window.
    static UINT ShowSettingsMessage();

private:
    struct CloseHandleOf {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    // Held for the program's life; closing it lets a later start run.
    std::unique_ptr<void, CloseHandleOf> mutex_;
    bool first_;
};

}  // namespace pultara::win32app
