#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/wayland/wayland_session.h"
#include "ports/desktop.h"

namespace pultara::linux_wayland {

// Top-level windows as the compositor lists them through its window list
// (zwlr_foreign_toplevel_manager_v1, on sway, Hyprland, labwc and other
// wlroots desktops). The list follows the compositor's announcements, read
// whenever a question is asked; the foreground is the window the list marks
// active, and the windows are ordered by when they were last active (the
// compositor tells no stacking order). Activation asks the compositor and
// waits briefly (at most a quarter of a second) until it marks the window
// active, so that keys typed next reach it.
//
// Without a window list (GNOME, KDE, or a compositor without the protocol)
// no window is found and the list is empty: keys go to the focused window.
// Wayland has no thread-input attachment and no foreground lock timeout:
// the attachment succeeds and changes nothing, the timeout cannot be read.
class ToplevelDesktop : public Desktop {
public:
    explicit ToplevelDesktop(WaylandSession& session);
    ~ToplevelDesktop() override;
    ToplevelDesktop(const ToplevelDesktop&) = delete;
    ToplevelDesktop& operator=(const ToplevelDesktop&) = delete;

    bool Available() const { return manager_ != nullptr; }

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
    bool CanListWindows() override { return Available(); }

    // One window of the list, as the compositor last described it.
    struct Toplevel {
        ToplevelDesktop* desktop = nullptr;
        wl_proxy* handle = nullptr;
        WindowId id = kNoWindow;
        std::string title;
        std::string pendingTitle;
        bool activated = false;
        bool minimized = false;
        bool pendingActivated = false;
        bool pendingMinimized = false;
        bool described = false;  // a first "done" has arrived
        std::uint64_t lastActive = 0;
    };

    // The compositor's announcements.
    void Added(wl_proxy* handle);
    void Described(Toplevel& toplevel);
    void Closed(Toplevel& toplevel);

private:
    Toplevel* Find(WindowId window);
    void Activate(Toplevel& toplevel);
    bool WaitUntilActive(WindowId window);

    WaylandSession& session_;
    wl_proxy* manager_ = nullptr;
    std::vector<std::unique_ptr<Toplevel>> toplevels_;
    WindowId lastId_ = kNoWindow;
    std::uint64_t activations_ = 0;
};

}  // namespace pultara::linux_wayland
