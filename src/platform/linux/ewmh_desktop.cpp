#include "platform/linux/ewmh_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace pultara::linux_x11 {

namespace {

constexpr long kSourcePager = 2;  // requests on the user's behalf, not the window's own
constexpr int kForegroundWaitSteps = 60;
constexpr auto kForegroundWaitStep = std::chrono::milliseconds(4);

}  // namespace

std::vector<unsigned long> EwmhDesktop::LongProperty(Window window, const char* name, Atom type) {
    Display* display = x_.display();
    std::vector<unsigned long> values;
    if (display == nullptr || window == 0) {
        return values;
    }
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, x_.AtomNamed(name), 0, 1 << 16, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + count);
    }
    XFree(data);
    return values;
}

std::optional<std::string> EwmhDesktop::TextProperty(Window window, const char* name) {
    Display* display = x_.display();
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<std::string> text;
    if (XGetWindowProperty(display, window, x_.AtomNamed(name), 0, 1 << 16, False,
                           x_.AtomNamed("UTF8_STRING"), &actualType, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && format == 8) {
        text = std::string(reinterpret_cast<const char*>(data), count);
    }
    XFree(data);
    return text;
}

EwmhDesktop::EwmhDesktop(XConnection& connection) : x_(connection) {
    listener_ = x_.AddEventListener([this](const XEvent& event) { Notice(event); });
}

EwmhDesktop::~EwmhDesktop() {
    x_.RemoveEventListener(listener_);
}

void EwmhDesktop::Notice(const XEvent& event) {
    if (event.type == DestroyNotify && event.xdestroywindow.window == managerCheck_) {
        managerCheck_ = 0;  // the manager has gone (or is being replaced)
    }
}

bool EwmhDesktop::HasWindowManager() {
    x_.ReadEvents();
    if (managerCheck_ != 0) {
        return true;
    }
    const std::vector<unsigned long> check =
        LongProperty(x_.root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.empty() || check[0] == 0) {
        return false;
    }
    // A manager that has gone leaves its property behind; its own window
    // names itself only while it lives. Watching the window before looking
    // at it means that its end, even a moment later, is reported.
    XSelectInput(x_.display(), check[0], StructureNotifyMask);
    const std::vector<unsigned long> self =
        LongProperty(check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (self.empty() || self[0] != check[0]) {
        return false;
    }
    managerCheck_ = check[0];
    return true;
}

std::vector<WindowId> EwmhDesktop::EnumerateWindows() {
    Display* display = x_.display();
    std::vector<WindowId> windows;
    if (display == nullptr) {
        return windows;
    }
    std::vector<unsigned long> bottomUp;
    if (HasWindowManager()) {
        bottomUp = LongProperty(x_.root(), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
        if (bottomUp.empty()) {
            bottomUp = LongProperty(x_.root(), "_NET_CLIENT_LIST", XA_WINDOW);
        }
    } else {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display, x_.root(), &root, &parent, &children, &count)) {
            bottomUp.assign(children, children + count);
        }
        XFree(children);
    }
    windows.assign(bottomUp.rbegin(), bottomUp.rend());
    return windows;
}

WindowId EwmhDesktop::FindWindowByTitle(const std::string& title) {
    for (WindowId window : EnumerateWindows()) {
        if (WindowTitle(window) == title) {
            return window;
        }
    }
    return kNoWindow;
}

std::string EwmhDesktop::WindowTitle(WindowId id) {
    Display* display = x_.display();
    const auto window = static_cast<Window>(id);
    if (display == nullptr || window == 0) {
        return {};
    }
    if (std::optional<std::string> name = TextProperty(window, "_NET_WM_NAME")) {
        return *name;
    }
    XTextProperty property{};
    std::string title;
    if (XGetWMName(display, window, &property) != 0 && property.value != nullptr) {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success &&
            count > 0 && list != nullptr) {
            title = list[0];
        }
        if (list != nullptr) {
            XFreeStringList(list);
        }
    }
    XFree(property.value);
    return title;
}

bool EwmhDesktop::IsWindowVisible(WindowId id) {
    Display* display = x_.display();
    XWindowAttributes attributes{};
    if (display == nullptr || id == kNoWindow ||
        !XGetWindowAttributes(display, static_cast<Window>(id), &attributes)) {
        return false;
    }
    // A minimised window still counts as shown, as on Windows.
    return attributes.map_state == IsViewable || IsIconic(id);
}

bool EwmhDesktop::IsIconic(WindowId id) {
    const auto window = static_cast<Window>(id);
    const std::vector<unsigned long> wmState =
        LongProperty(window, "WM_STATE", x_.AtomNamed("WM_STATE"));
    if (!wmState.empty() && wmState[0] == IconicState) {
        return true;
    }
    const Atom hidden = x_.AtomNamed("_NET_WM_STATE_HIDDEN");
    const std::vector<unsigned long> states = LongProperty(window, "_NET_WM_STATE", XA_ATOM);
    return std::find(states.begin(), states.end(), hidden) != states.end();
}

void EwmhDesktop::SendToRoot(Window window, const char* messageType, long a, long b, long c) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x_.AtomNamed(messageType);
    event.xclient.format = 32;
    event.xclient.data.l[0] = a;
    event.xclient.data.l[1] = b;
    event.xclient.data.l[2] = c;
    XSendEvent(x_.display(), x_.root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
}

void EwmhDesktop::RequestActivation(Window window) {
    Display* display = x_.display();
    if (HasWindowManager()) {
        SendToRoot(window, "_NET_ACTIVE_WINDOW", kSourcePager, CurrentTime, 0);
    } else {
        XMapRaised(display, window);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
    }
    XSync(display, False);
}

void EwmhDesktop::Deiconify(Window window) {
    // Mapping an iconic window asks the window manager to restore it.
    XMapWindow(x_.display(), window);
    XSync(x_.display(), False);
}

void EwmhDesktop::SendSysCommand(WindowId id, std::uint32_t command) {
    const auto window = static_cast<Window>(id);
    if (x_.display() == nullptr || window == 0) {
        return;
    }
    if (command == kSysCommandHotkey) {
        RequestActivation(window);
        WaitForForeground(window);
    } else if (command == kSysCommandRestore && IsIconic(id)) {
        // Restoring leaves a maximised window maximised: only a minimised
        // window changes.
        Deiconify(window);
    }
}

void EwmhDesktop::ShowWindow(WindowId id, int showCommand) {
    const auto window = static_cast<Window>(id);
    if (x_.display() == nullptr || window == 0 || showCommand != kShowRestore) {
        return;
    }
    Deiconify(window);
    RequestActivation(window);
}

Window EwmhDesktop::TopLevelOf(Window window) {
    Display* display = x_.display();
    while (window != 0 && window != x_.root() && window != PointerRoot) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) {
            return 0;
        }
        XFree(children);
        if (parent == x_.root()) {
            return window;
        }
        window = parent;
    }
    return 0;
}

bool EwmhDesktop::HoldsInputFocus(Window window) {
    // The manager announces the active window and moves the focus in two
    // steps; keys follow the focus.
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(x_.display(), &focus, &revert);
    return focus != None && focus != PointerRoot && TopLevelOf(focus) == TopLevelOf(window);
}

WindowId EwmhDesktop::ForegroundWindow() {
    Display* display = x_.display();
    if (display == nullptr) {
        return kNoWindow;
    }
    if (HasWindowManager()) {
        const std::vector<unsigned long> active =
            LongProperty(x_.root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return active.empty() ? kNoWindow : active[0];
    }
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus == None ? kNoWindow : TopLevelOf(focus);
}

std::uint32_t EwmhDesktop::WindowThreadId(WindowId id) {
    const std::vector<unsigned long> pid =
        LongProperty(static_cast<Window>(id), "_NET_WM_PID", XA_CARDINAL);
    return pid.empty() ? 0 : static_cast<std::uint32_t>(pid[0]);
}

void EwmhDesktop::BringWindowToTop(WindowId id) {
    Display* display = x_.display();
    const auto window = static_cast<Window>(id);
    if (display == nullptr || window == 0) {
        return;
    }
    if (HasWindowManager()) {
        SendToRoot(window, "_NET_RESTACK_WINDOW", kSourcePager, None, Above);
    } else {
        XRaiseWindow(display, window);
    }
    XSync(display, False);
}

bool EwmhDesktop::SetForegroundWindow(WindowId id) {
    const auto window = static_cast<Window>(id);
    if (x_.display() == nullptr || window == 0) {
        return false;
    }
    RequestActivation(window);
    return WaitForForeground(window);
}

bool EwmhDesktop::WaitForForeground(Window window) {
    for (int step = 0; step < kForegroundWaitSteps; ++step) {
        if (ForegroundWindow() == window && HoldsInputFocus(window)) {
            return true;
        }
        std::this_thread::sleep_for(kForegroundWaitStep);
    }
    return false;
}

}  // namespace pultara::linux_x11
