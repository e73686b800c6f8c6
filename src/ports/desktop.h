#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pultara {

// Opaque handle of a top-level window; 0 is "no window".
using WindowId = std::uint64_t;
inline constexpr WindowId kNoWindow = 0;

inline constexpr std::uint32_t kSysCommandHotkey = 0xF150;   // activate yourself
inline constexpr std::uint32_t kSysCommandRestore = 0xF120;  // restore yourself
inline constexpr int kShowRestore = 9;

enum class PlatformFamily : std::uint8_t { Unversioned = 0, Windows9x = 1, WindowsNT = 2 };

struct PlatformVersion {
    PlatformFamily family = PlatformFamily::Unversioned;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

// Top-level windows and the foreground. Titles are UTF-8.
class Desktop {
public:
    virtual ~Desktop() = default;
    // A top-level window whose whole title equals `title`, or kNoWindow.
    virtual WindowId FindWindowByTitle(const std::string& title) = 0;
    // Every top-level window in the platform's order (top of the stacking
    // order first).
    virtual std::vector<WindowId> EnumerateWindows() = 0;
    // The window's whole title; empty when it has none or is gone.
    virtual std::string WindowTitle(WindowId window) = 0;
    virtual bool IsWindowVisible(WindowId window) = 0;
    // Asks the window to carry out a system command (kSysCommand*); returns
    // when the window has handled it.
    virtual void SendSysCommand(WindowId window, std::uint32_t command) = 0;
    virtual bool IsIconic(WindowId window) = 0;
    virtual void ShowWindow(WindowId window, int showCommand) = 0;
    virtual WindowId ForegroundWindow() = 0;
    virtual std::uint32_t WindowThreadId(WindowId window) = 0;
    virtual bool AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) = 0;
    virtual void BringWindowToTop(WindowId window) = 0;
    virtual bool SetForegroundWindow(WindowId window) = 0;
    // The system-wide foreground lock timeout in milliseconds.
    virtual bool GetForegroundLockTimeout(std::uint32_t& milliseconds) = 0;
    virtual void SetForegroundLockTimeout(std::uint32_t milliseconds) = 0;
    virtual PlatformVersion Version() = 0;
    // False where the session names no windows to programs (a Wayland
    // compositor without a window list): nothing is found by title, keys go
    // to the focused window and EnumerateWindows() is empty.
    virtual bool CanListWindows() { return true; }
};

}  // namespace pultara
