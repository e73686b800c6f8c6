#include "actions/keysend/window_focus.h"

#include <cstddef>
#include <exception>
#include <string_view>

namespace pultara {

namespace {

// The platform's title buffer holds 80 bytes: 79 characters and the end mark.
constexpr std::size_t kTitleCharacters = 79;

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The first `count` characters (code points) of UTF-8 `text`.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i]) && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Runs `body`; `cleanup` runs afterwards whether or not `body` raised.
template <typename Body, typename Cleanup>
void RunThenAlways(Body body, Cleanup cleanup) {
    try {
        body();
    } catch (...) {
        cleanup();
        throw;
    }
    cleanup();
}

}  // namespace

bool TitleBeginsWith(const std::string& windowTitle, const std::string& title) {
    const std::string_view shown = FirstCharacters(windowTitle, kTitleCharacters);
    if (title.size() > shown.size()) {
        return false;
    }
    for (std::size_t i = 0; i < title.size(); ++i) {
        if (AsciiLower(title[i]) != AsciiLower(shown[i])) {
            return false;
        }
    }
    return true;
}

bool WindowFocus::ActivateWindowByTitle(const std::string& title, bool force) {
    try {
        foundWindow_ = FindByTitle(title);
        if (foundWindow_ == kNoWindow) {
            return false;
        }
        desktop_.SendSysCommand(foundWindow_, kSysCommandHotkey);
        desktop_.SendSysCommand(foundWindow_, kSysCommandRestore);
        if (force) {
            BringToForeground(foundWindow_);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Exact title first, then the first window whose title begins with the text.
// An empty text would "match" whatever window comes first, often a hidden
// one, so it finds nothing and the caller opens the mode's program instead.
WindowId WindowFocus::FindByTitle(const std::string& title) {
    if (title.empty()) {
        return kNoWindow;
    }
    foundWindow_ = desktop_.FindWindowByTitle(title);
    if (foundWindow_ == kNoWindow) {
        for (WindowId window : desktop_.EnumerateWindows()) {
            if (!MatchWindowTitle(window, title)) {
                break;
            }
        }
    }
    return foundWindow_;
}

bool WindowFocus::MatchWindowTitle(WindowId window, const std::string& title) {
    if (!TitleBeginsWith(desktop_.WindowTitle(window), title)) {
        return true;
    }
    foundWindow_ = window;
    return false;
}

bool WindowFocus::BringToForeground(WindowId window) {
    if (desktop_.IsIconic(window)) {
        desktop_.ShowWindow(window, kShowRestore);
    }
    if (IsForeground(window)) {
        return true;
    }
    if (HasForegroundLockRules()) {
        if (!ForceWithAttachedInput(window)) {
            ForceWithoutLockTimeout(window);
        }
    } else {
        desktop_.BringWindowToTop(window);
        desktop_.SetForegroundWindow(window);
    }
    return IsForeground(window);
}

// Windows 98 and 2000 onwards refuse the foreground to a program that does
// not hold it. A platform without such versions is treated like them.
bool WindowFocus::HasForegroundLockRules() {
    const PlatformVersion version = desktop_.Version();
    switch (version.family) {
        case PlatformFamily::WindowsNT: return version.major > 4;
        case PlatformFamily::Windows9x:
            return version.major > 4 || (version.major == 4 && version.minor > 0);
        case PlatformFamily::Unversioned: break;
    }
    return true;
}

// Shares the input state of the foreground window's thread for the moment
// of the change, which the platform accepts as the user's own doing.
bool WindowFocus::ForceWithAttachedInput(WindowId window) {
    const std::uint32_t foregroundThread = desktop_.WindowThreadId(desktop_.ForegroundWindow());
    const std::uint32_t targetThread = desktop_.WindowThreadId(window);
    if (!desktop_.AttachThreadInput(targetThread, foregroundThread, true)) {
        return false;
    }
    RunThenAlways(
        [&] {
            desktop_.BringWindowToTop(window);
            desktop_.SetForegroundWindow(window);
        },
        [&] { desktop_.AttachThreadInput(targetThread, foregroundThread, false); });
    return IsForeground(window);
}

// With the system-wide lock timeout at 0 the change is allowed; the value
// read before is always written back. A timeout that cannot be read is left
// alone, since there would be nothing to write back.
void WindowFocus::ForceWithoutLockTimeout(WindowId window) {
    const auto bringForward = [&] {
        desktop_.BringWindowToTop(window);
        desktop_.SetForegroundWindow(window);
    };
    std::uint32_t saved = 0;
    if (!desktop_.GetForegroundLockTimeout(saved)) {
        bringForward();
        return;
    }
    desktop_.SetForegroundLockTimeout(0);
    RunThenAlways(bringForward, [&] { desktop_.SetForegroundLockTimeout(saved); });
}

void WindowFocus::RememberForegroundWindow() {
    rememberedWindow_ = desktop_.ForegroundWindow();
}

void WindowFocus::RestoreRememberedWindow() {
    try {
        BringToForeground(rememberedWindow_);
    } catch (const std::exception&) {
        // Giving the focus back is a courtesy; a failure changes nothing.
    }
}

}  // namespace pultara
