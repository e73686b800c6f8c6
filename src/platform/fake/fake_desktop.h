#pragma once
#include <string>
#include <vector>

#include "platform/fake/call_log.h"
#include "ports/desktop.h"

namespace pultara::fake {

struct FakeWindow {
    WindowId id = kNoWindow;
    std::string title;
    bool visible = true;
    bool iconic = false;
    std::uint32_t thread = 1;
    // Whether the window comes to the foreground when asked to activate
    // itself (SC_HOTKEY).
    bool activatesOnRequest = false;
};

// A scripted desktop: top-level windows in stacking order (first = top), the
// foreground window, and how the foreground rules answer.
class FakeDesktop : public Desktop {
public:
    explicit FakeDesktop(CallLog& log) : log_(log) {}

    FakeWindow& AddWindow(const std::string& title, bool visible = true);
    FakeWindow* Find(WindowId id);

    WindowId FindWindowByTitle(const std::string& title) override;
    std::vector<WindowId> EnumerateWindows() override;
    std::string WindowTitle(WindowId window) override;
    bool IsWindowVisible(WindowId window) override;
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
    PlatformVersion Version() override { return version; }
    bool CanListWindows() override { return listsWindows; }

    std::vector<FakeWindow> windows;
    WindowId foreground = kNoWindow;
    bool attachSucceeds = true;
    // Whether an attached thread input lets SetForegroundWindow take effect.
    bool attachGrantsForeground = true;
    // SetForegroundWindow takes effect when the thread input is attached, or
    // the lock timeout is 0, or this is true.
    bool foregroundFreelyAllowed = true;
    std::uint32_t lockTimeout = 200000;
    bool lockTimeoutReadable = true;
    PlatformVersion version{PlatformFamily::WindowsNT, 5, 1};
    // False stands for a session that names no windows to programs.
    bool listsWindows = true;

private:
    CallLog& log_;
    bool attached_ = false;
    WindowId nextId_ = 0x100;
};

}  // namespace pultara::fake
