#include "platform/linux/wayland/toplevel_desktop.h"

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/linux/wayland/protocol_tables.h"

namespace pultara::linux_wayland {

namespace {

constexpr auto kForegroundWait = std::chrono::milliseconds(250);

using Toplevel = ToplevelDesktop::Toplevel;

Toplevel& Of(void* data) {
    return *static_cast<Toplevel*>(data);
}

void Title(void* data, wl_proxy* /*handle*/, const char* title) {
    Of(data).pendingTitle = title != nullptr ? title : "";
}

void AppId(void*, wl_proxy*, const char*) {}
void OutputEnter(void*, wl_proxy*, wl_proxy*) {}
void OutputLeave(void*, wl_proxy*, wl_proxy*) {}

void State(void* data, wl_proxy* /*handle*/, wl_array* states) {
    Toplevel& toplevel = Of(data);
    toplevel.pendingActivated = false;
    toplevel.pendingMinimized = false;
    const auto* state = static_cast<const std::uint32_t*>(states->data);
    for (std::size_t i = 0; i < states->size / sizeof(std::uint32_t); ++i) {
        toplevel.pendingActivated =
            toplevel.pendingActivated || state[i] == kToplevelStateActivated;
        toplevel.pendingMinimized =
            toplevel.pendingMinimized || state[i] == kToplevelStateMinimized;
    }
}

void Done(void* data, wl_proxy* /*handle*/) {
    Toplevel& toplevel = Of(data);
    toplevel.desktop->Described(toplevel);
}

void ClosedEvent(void* data, wl_proxy* /*handle*/) {
    Toplevel& toplevel = Of(data);
    toplevel.desktop->Closed(toplevel);
}

void Parent(void*, wl_proxy*, wl_proxy*) {}

// The handle's events in the order of the protocol's event list.
struct HandleListener {
    void (*title)(void*, wl_proxy*, const char*);
    void (*appId)(void*, wl_proxy*, const char*);
    void (*outputEnter)(void*, wl_proxy*, wl_proxy*);
    void (*outputLeave)(void*, wl_proxy*, wl_proxy*);
    void (*state)(void*, wl_proxy*, wl_array*);
    void (*done)(void*, wl_proxy*);
    void (*closed)(void*, wl_proxy*);
    void (*parent)(void*, wl_proxy*, wl_proxy*);
};
const HandleListener kHandleListener = {Title, AppId, OutputEnter, OutputLeave,
                                        State, Done,  ClosedEvent, Parent};

void NewToplevel(void* data, wl_proxy* /*manager*/, wl_proxy* handle) {
    static_cast<ToplevelDesktop*>(data)->Added(handle);
}

void Finished(void*, wl_proxy*) {}

struct ManagerListener {
    void (*toplevel)(void*, wl_proxy*, wl_proxy*);
    void (*finished)(void*, wl_proxy*);
};
const ManagerListener kManagerListener = {NewToplevel, Finished};

}  // namespace

ToplevelDesktop::ToplevelDesktop(WaylandSession& session)
    : session_(session), manager_(session.BindToplevelManager()) {
    if (manager_ == nullptr) {
        return;
    }
    wl_proxy_add_listener(
        manager_, reinterpret_cast<void (**)()>(const_cast<ManagerListener*>(&kManagerListener)),
        this);
    session.Roundtrip();  // the windows
    session.Roundtrip();  // their titles and states
}

ToplevelDesktop::~ToplevelDesktop() {
    if (manager_ == nullptr) {
        return;
    }
    // Windows announced but not yet handled would leave their handles behind:
    // take every announcement up to the stop before letting go of them all.
    StopToplevelManager(manager_);
    session_.Roundtrip();
    for (const auto& toplevel : toplevels_) {
        DestroyToplevelHandle(toplevel->handle);
    }
    session_.Flush();
}

void ToplevelDesktop::Added(wl_proxy* handle) {
    auto toplevel = std::make_unique<Toplevel>();
    toplevel->desktop = this;
    toplevel->handle = handle;
    toplevel->id = ++lastId_;
    wl_proxy_add_listener(
        handle, reinterpret_cast<void (**)()>(const_cast<HandleListener*>(&kHandleListener)),
        toplevel.get());
    toplevels_.push_back(std::move(toplevel));
}

void ToplevelDesktop::Described(Toplevel& toplevel) {
    toplevel.title = toplevel.pendingTitle;
    if (toplevel.pendingActivated && !toplevel.activated) {
        toplevel.lastActive = ++activations_;
    }
    toplevel.activated = toplevel.pendingActivated;
    toplevel.minimized = toplevel.pendingMinimized;
    toplevel.described = true;
}

void ToplevelDesktop::Closed(Toplevel& toplevel) {
    DestroyToplevelHandle(toplevel.handle);
    std::erase_if(toplevels_, [&toplevel](const auto& t) { return t.get() == &toplevel; });
}

Toplevel* ToplevelDesktop::Find(WindowId window) {
    session_.ReadEvents();
    for (const auto& toplevel : toplevels_) {
        if (toplevel->id == window && toplevel->described) {
            return toplevel.get();
        }
    }
    return nullptr;
}

WindowId ToplevelDesktop::FindWindowByTitle(const std::string& title) {
    for (const WindowId window : EnumerateWindows()) {
        const Toplevel* toplevel = Find(window);  // may have closed meanwhile
        if (toplevel != nullptr && toplevel->title == title) {
            return window;
        }
    }
    return kNoWindow;
}

std::vector<WindowId> ToplevelDesktop::EnumerateWindows() {
    session_.ReadEvents();
    std::vector<const Toplevel*> described;
    for (const auto& toplevel : toplevels_) {
        if (toplevel->described) {
            described.push_back(toplevel.get());
        }
    }
    // Most recently active first, then the newest.
    std::stable_sort(described.begin(), described.end(), [](const Toplevel* a, const Toplevel* b) {
        return a->lastActive != b->lastActive ? a->lastActive > b->lastActive : a->id > b->id;
    });
    std::vector<WindowId> windows;
    windows.reserve(described.size());
    for (const Toplevel* toplevel : described) {
        windows.push_back(toplevel->id);
    }
    return windows;
}

std::string ToplevelDesktop::WindowTitle(WindowId window) {
    const Toplevel* toplevel = Find(window);
    return toplevel != nullptr ? toplevel->title : std::string();
}

bool ToplevelDesktop::IsWindowVisible(WindowId window) {
    return Find(window) != nullptr;
}

bool ToplevelDesktop::IsIconic(WindowId window) {
    const Toplevel* toplevel = Find(window);
    return toplevel != nullptr && toplevel->minimized;
}

void ToplevelDesktop::SendSysCommand(WindowId window, std::uint32_t command) {
    Toplevel* toplevel = Find(window);
    if (toplevel == nullptr) {
        return;
    }
    if (command == kSysCommandHotkey) {
        Activate(*toplevel);
        WaitUntilActive(window);
    } else if (command == kSysCommandRestore && toplevel->minimized) {
        UnsetMinimized(toplevel->handle);
        session_.Flush();
    }
}

void ToplevelDesktop::ShowWindow(WindowId window, int showCommand) {
    Toplevel* toplevel = Find(window);
    if (toplevel != nullptr && showCommand == kShowRestore) {
        Activate(*toplevel);
    }
}

WindowId ToplevelDesktop::ForegroundWindow() {
    session_.ReadEvents();
    for (const auto& toplevel : toplevels_) {
        if (toplevel->described && toplevel->activated) {
            return toplevel->id;
        }
    }
    return kNoWindow;
}

std::uint32_t ToplevelDesktop::WindowThreadId(WindowId window) {
    // The list names no process; each window stands for its own.
    return Find(window) != nullptr ? static_cast<std::uint32_t>(window) : 0;
}

void ToplevelDesktop::BringWindowToTop(WindowId window) {
    if (Toplevel* toplevel = Find(window)) {
        Activate(*toplevel);
    }
}

bool ToplevelDesktop::SetForegroundWindow(WindowId window) {
    Toplevel* toplevel = Find(window);
    if (toplevel == nullptr) {
        return false;
    }
    Activate(*toplevel);
    return WaitUntilActive(window);
}

void ToplevelDesktop::Activate(Toplevel& toplevel) {
    if (toplevel.minimized) {
        UnsetMinimized(toplevel.handle);
    }
    ActivateToplevel(toplevel.handle, session_.seat());
    session_.Flush();
}

// Waits on the connection, not in steps: the compositor's answer wakes it.
bool ToplevelDesktop::WaitUntilActive(WindowId window) {
    const auto end = std::chrono::steady_clock::now() + kForegroundWait;
    while (ForegroundWindow() != window) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || wl_display_get_error(session_.display()) != 0) {
            return false;
        }
        pollfd readable{wl_display_get_fd(session_.display()), POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
    }
    return true;
}

}  // namespace pultara::linux_wayland
