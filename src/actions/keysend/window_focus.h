#pragma once
#include <string>

#include "ports/desktop.h"

namespace pultara {

// Finds top-level windows by title, brings them to the foreground against
// the platform's foreground-lock rules, and remembers one foreground window
// so that the focus can be given back after a command.
class WindowFocus {
public:
    explicit WindowFocus(Desktop& desktop) : desktop_(desktop) {}

    // Looks for a window whose whole title equals `title`, then for the first
    // window (in the platform's order) whose title begins with it, and asks
    // the window to activate and restore itself; with `force` it is also
    // pushed into the foreground. True when a window was found, whether or
    // not it reached the foreground; false when none was found or anything
    // failed. An empty title finds no window.
    bool ActivateWindowByTitle(const std::string& title, bool force);

    // Whether `window`'s title begins with `title` (ASCII letters without
    // regard to case). Records the window as found on a match; the result
    // is whether the search should go on.
    bool MatchWindowTitle(WindowId window, const std::string& title);

    // Gets `window` into the foreground by every means the platform offers.
    // True when it is the foreground window afterwards.
    bool BringToForeground(WindowId window);

    void RememberForegroundWindow();
    // Brings the remembered window back with the full forcing procedure;
    // never fails.
    void RestoreRememberedWindow();

    WindowId FoundWindow() const { return foundWindow_; }
    WindowId RememberedWindow() const { return rememberedWindow_; }

private:
    WindowId FindByTitle(const std::string& title);
    bool HasForegroundLockRules();
    bool ForceWithAttachedInput(WindowId window);
    void ForceWithoutLockTimeout(WindowId window);
    bool IsForeground(WindowId window) { return desktop_.ForegroundWindow() == window; }

    Desktop& desktop_;
    WindowId foundWindow_ = kNoWindow;
    WindowId rememberedWindow_ = kNoWindow;
};

// Whether `windowTitle`, cut to the first 79 characters as the platform's
// title buffer holds them, begins with `title`. ASCII letters compare without
// regard to case, every other character exactly.
bool TitleBeginsWith(const std::string& windowTitle, const std::string& title);

}  // namespace pultara
