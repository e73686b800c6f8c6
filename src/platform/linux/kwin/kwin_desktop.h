#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/kwin/kwin_script.h"
#include "platform/linux/kwin/scripting_bus.h"
#include "ports/desktop.h"

namespace pultara::linux_kwin {

// Top-level windows on KDE Plasma's Wayland session, through KWin's
// scripting service: each question is a small script KWin loads from a
// file, runs and unloads; the script acts (activates or unminimises a
// window) and sends the window list back over the session bus. Titles and
// states are those of the last list; the order is KWin's stacking order,
// top first (5.27 tells none: the order KWin lists them in). KWin has no
// thread-input attachment and no foreground lock timeout to read.
class KWinDesktop : public Desktop {
public:
    // `scriptFolder`: where the script files are written (the user's
    // runtime folder, which KWin, running as the same user, can read).
    KWinDesktop(std::unique_ptr<ScriptingBus> bus, std::string scriptFolder);

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

private:
    // Runs one script; the list is taken over when it answers.
    bool Ask(ScriptAction action, WindowId window = kNoWindow);
    const KWinWindow* Find(WindowId window) const;
    WindowId IdOf(const std::string& internalId);

    std::unique_ptr<ScriptingBus> bus_;
    std::string scriptFolder_;
    std::vector<std::pair<WindowId, KWinWindow>> windows_;  // the last list, top first
    std::map<std::string, WindowId> ids_;                   // internalId -> handle
    WindowId lastId_ = kNoWindow;
    std::uint64_t questions_ = 0;
};

}  // namespace pultara::linux_kwin
