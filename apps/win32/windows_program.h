#pragma once
#include <windows.h>

#include <memory>

#include "apps/win32/form_window.h"
#include "apps/win32/program_timers.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_tray.h"
#include "ui/application.h"

namespace pultara::win32app {

// The hidden top-level window that owns the tray icon, hears
// "TaskbarCreated" and receives the timers' ticks.
HWND CreateApplicationWindow(HINSTANCE instance, void* owner);

// pultara.exe: the core's program on the Win32 back end, its four windows
// rendered with real controls, the poll tick on a precise timer and the
// periodic save on a window timer. Both timers tick inside modal loops too.
// While the program sleeps at rest the poll timer stops, and Raw Input of the
// game controllers wakes it.
class WindowsProgram : public FormHost {
public:
    explicit WindowsProgram(HINSTANCE instance);
    ~WindowsProgram() override;
    WindowsProgram(const WindowsProgram&) = delete;
    WindowsProgram& operator=(const WindowsProgram&) = delete;

    int Run();

    // FormHost.
    void ShowModal(Form& form) override;
    void BringToFront(Form& form) override;
    void Quit() override;

    LRESULT HandleApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Handles one message; false on WM_QUIT.
    bool PumpOne();
    FormWindow* WindowOf(const Form& form) const;

    HWND appWindow_;
    HICON icon_;
    win32::Win32Platform platform_;
    win32::Win32Tray tray_;
    win32::Win32Files files_;
    win32::Win32FileDialog fileDialog_;
    pultara::Application core_;
    Program& program_;
    std::unique_ptr<FormWindow> mainWindow_;
    std::unique_ptr<FormWindow> helpWindow_;
    std::unique_ptr<FormWindow> infoWindow_;
    std::unique_ptr<FormWindow> renameWindow_;
    ProgramTimers timers_;
    UINT taskbarCreated_ = 0;
    bool quit_ = false;
};

}  // namespace pultara::win32app
