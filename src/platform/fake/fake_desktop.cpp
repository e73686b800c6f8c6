#include "platform/fake/fake_desktop.h"

namespace pultara::fake {

namespace {

std::string Id(WindowId id) {
    return Hex(static_cast<std::uint32_t>(id), 3);
}

}  // namespace

FakeWindow& FakeDesktop::AddWindow(const std::string& title, bool visible) {
    FakeWindow window;
    window.id = nextId_++;
    window.title = title;
    window.visible = visible;
    window.thread = static_cast<std::uint32_t>(window.id);
    windows.push_back(window);
    return windows.back();
}

FakeWindow* FakeDesktop::Find(WindowId id) {
    for (FakeWindow& window : windows) {
        if (window.id == id) {
            return &window;
        }
    }
    return nullptr;
}

WindowId FakeDesktop::FindWindowByTitle(const std::string& title) {
    log_.Add("FindWindowA(" + Quoted(title) + ")");
    for (const FakeWindow& window : windows) {
        if (window.title == title) {
            return window.id;
        }
    }
    return kNoWindow;
}

std::vector<WindowId> FakeDesktop::EnumerateWindows() {
    log_.Add("EnumWindows");
    std::vector<WindowId> ids;
    for (const FakeWindow& window : windows) {
        ids.push_back(window.id);
    }
    return ids;
}

std::string FakeDesktop::WindowTitle(WindowId id) {
    log_.Add("GetWindowTextA(" + Id(id) + ")");
    const FakeWindow* window = Find(id);
    return window != nullptr ? window->title : std::string();
}

bool FakeDesktop::IsWindowVisible(WindowId id) {
    log_.Add("IsWindowVisible(" + Id(id) + ")");
    const FakeWindow* window = Find(id);
    return window != nullptr && window->visible;
}

void FakeDesktop::SendSysCommand(WindowId id, std::uint32_t command) {
    const char* name = command == kSysCommandHotkey    ? "SC_HOTKEY"
                       : command == kSysCommandRestore ? "SC_RESTORE"
                                                       : "?";
    log_.Add("SendMessageA(" + Id(id) + ", WM_SYSCOMMAND, " + name + ")");
    FakeWindow* window = Find(id);
    if (window == nullptr) {
        return;
    }
    if (command == kSysCommandRestore) {
        window->iconic = false;
    } else if (command == kSysCommandHotkey && window->activatesOnRequest) {
        foreground = id;
    }
}

bool FakeDesktop::IsIconic(WindowId id) {
    log_.Add("IsIconic(" + Id(id) + ")");
    const FakeWindow* window = Find(id);
    return window != nullptr && window->iconic;
}

void FakeDesktop::ShowWindow(WindowId id, int showCommand) {
    log_.Add("ShowWindow(" + Id(id) + ", " + std::to_string(showCommand) + ")");
    FakeWindow* window = Find(id);
    if (window != nullptr && showCommand == kShowRestore) {
        window->iconic = false;
        window->visible = true;
    }
}

WindowId FakeDesktop::ForegroundWindow() {
    log_.Add("GetForegroundWindow");
    return foreground;
}

std::uint32_t FakeDesktop::WindowThreadId(WindowId id) {
    log_.Add("GetWindowThreadProcessId(" + Id(id) + ")");
    const FakeWindow* window = Find(id);
    return window != nullptr ? window->thread : 0;
}

bool FakeDesktop::AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) {
    log_.Add("AttachThreadInput(" + std::to_string(thread) + ", " + std::to_string(toThread) +
             ", " + (attach ? "TRUE" : "FALSE") + ")");
    if (!attachSucceeds) {
        return false;
    }
    attached_ = attach;
    return true;
}

void FakeDesktop::BringWindowToTop(WindowId id) {
    log_.Add("BringWindowToTop(" + Id(id) + ")");
}

bool FakeDesktop::SetForegroundWindow(WindowId id) {
    log_.Add("SetForegroundWindow(" + Id(id) + ")");
    if (Find(id) == nullptr) {
        return false;
    }
    if ((attached_ && attachGrantsForeground) || lockTimeout == 0 || foregroundFreelyAllowed) {
        foreground = id;
        return true;
    }
    return false;
}

bool FakeDesktop::GetForegroundLockTimeout(std::uint32_t& milliseconds) {
    log_.Add("SPI_GETFOREGROUNDLOCKTIMEOUT");
    if (!lockTimeoutReadable) {
        return false;
    }
    milliseconds = lockTimeout;
    return true;
}

void FakeDesktop::SetForegroundLockTimeout(std::uint32_t milliseconds) {
    log_.Add("SPI_SETFOREGROUNDLOCKTIMEOUT(" + std::to_string(milliseconds) + ")");
    lockTimeout = milliseconds;
}

}  // namespace pultara::fake
