#pragma once
#include "ports/desktop.h"

namespace pultara::win32 {

// Top-level windows of the desktop. Titles travel through the wide calls
// (FindWindowW, GetWindowTextW), so a title with characters outside the
// ANSI code page is found and listed as it is shown. A window that has gone
// away is no error: its title reads empty and requests to it do nothing.
class Win32Desktop : public Desktop {
public:
    WindowId FindWindowByTitle(const std::string& title) override;
    std::vector<WindowId> EnumerateWindows() override;
    std::string WindowTitle(WindowId window) override;
    bool IsWindowVisible(WindowId window) override;
    // Waits until the window has handled the command, but not for a window
    // whose thread has stopped responding (the program would hang with it).
    void SendSysCommand(WindowId window, std::uint32_t command) override;
    bool IsIconic(WindowId window) override;
    void ShowWindow(WindowId window, int showCommand) override;
    WindowId ForegroundWindow() override;
    std::uint32_t WindowThreadId(WindowId window) override;
    bool AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) override;
    void BringWindowToTop(WindowId window) override;
    bool SetForegroundWindow(WindowId window) override;
    bool GetForegroundLockTimeout(std::uint32_t& milliseconds) override;
    void SetForegroundLockTimeout(std::uint32_t milliseconds) override;
    // The real version, also on Windows 8.1 and later.
    PlatformVersion Version() override;
};

// Version of the running system as the kernel reports it.
PlatformVersion RealPlatformVersion();

}  // namespace pultara::win32
