#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/x_connection.h"
#include "ports/desktop.h"

namespace pultara::linux_x11 {

// Top-level windows of the X desktop. With an EWMH window manager the
// managed client windows are used (stacking order from _NET_CLIENT_LIST_STACKING,
// the foreground from _NET_ACTIVE_WINDOW, activation through the manager);
// without one, the children of the root window, the input focus and plain
// raise and focus requests stand in.
//
// X has no thread-input attachment and no foreground lock timeout: the
// attachment always succeeds and changes nothing, the timeout cannot be read
// (so it is left alone) and setting it does nothing. The platform reports no
// version, so the core takes the forcing path, whose steps here come down to
// raising and activating the window. Activation waits briefly (at most a quarter
// of a second) until the window manager has given the window the focus, so
// that keys typed next reach it.
class EwmhDesktop : public Desktop {
public:
    explicit EwmhDesktop(XConnection& connection);
    ~EwmhDesktop() override;
    EwmhDesktop(const EwmhDesktop&) = delete;
    EwmhDesktop& operator=(const EwmhDesktop&) = delete;

    WindowId FindWindowByTitle(const std::string& title) override;
    std::vector<WindowId> EnumerateWindows() override;
    std::string WindowTitle(WindowId window) override;
    bool IsWindowVisible(WindowId window) override;
    void SendSysCommand(WindowId window, std::uint32_t command) override;
    bool IsIconic(WindowId window) override;
    void ShowWindow(WindowId window, int showCommand) override;
    WindowId ForegroundWindow() override;
    std::uint32_t WindowThreadId(WindowId window) override;
    bool AttachThreadInput(std::uint32_t, std::uint32_t, bool) override { return true; }
    void BringWindowToTop(WindowId window) override;
    bool SetForegroundWindow(WindowId window) override;
    bool GetForegroundLockTimeout(std::uint32_t&) override { return false; }
    void SetForegroundLockTimeout(std::uint32_t) override {}
    PlatformVersion Version() override { return PlatformVersion{}; }

    // Whether an EWMH window manager runs now. A manager found is believed
    // until its check window goes, so that asking costs no round trip to the
    // server while it runs.
    bool HasWindowManager();

private:
    std::vector<unsigned long> LongProperty(unsigned long window, const char* name,
                                            unsigned long type);
    std::optional<std::string> TextProperty(unsigned long window, const char* name);
    void SendToRoot(unsigned long window, const char* messageType, long a, long b, long c);
    void RequestActivation(unsigned long window);
    void Deiconify(unsigned long window);
    bool WaitForForeground(unsigned long window);
    unsigned long TopLevelOf(unsigned long window);
    bool HoldsInputFocus(unsigned long window);

    void Notice(const _XEvent& event);

    XConnection& x_;
    int listener_ = 0;
    unsigned long managerCheck_ = 0;  // the running manager's check window
};

}  // namespace pultara::linux_x11
