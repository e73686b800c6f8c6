#include "platform/linux/x_connection.h"

#include <X11/Xlib.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace pultara::linux_x11 {

namespace {

std::atomic<unsigned long> errorCount{0};

int CountError(Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}

}  // namespace

XConnection::XConnection() {
    // The handler is process-wide; installing it before the first request
    // keeps a vanished window from ever ending the program.
    XSetErrorHandler(CountError);
    display_ = XOpenDisplay(nullptr);
    if (display_ != nullptr) {
        root_ = DefaultRootWindow(display_);
    }
}

XConnection::~XConnection() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

unsigned long XConnection::AtomNamed(const char* name) const {
    return display_ != nullptr ? XInternAtom(display_, name, False) : None;
}

int XConnection::AddEventListener(EventListener listener) {
    listeners_.emplace_back(++lastListener_, std::move(listener));
    return lastListener_;
}

void XConnection::RemoveEventListener(int number) {
    std::erase_if(listeners_, [number](const auto& entry) { return entry.first == number; });
}

void XConnection::ReadEvents() {
    if (display_ == nullptr) {
        return;
    }
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        for (const auto& entry : listeners_) {
            entry.second(event);
        }
    }
}

unsigned long XConnection::ErrorCount() {
    return errorCount.load();
}

bool IsWaylandSession() {
    const char* type = std::getenv("XDG_SESSION_TYPE");
    if (type != nullptr && std::strcmp(type, "wayland") == 0) {
        return true;
    }
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland != nullptr && *wayland != '\0';
}

}  // namespace pultara::linux_x11
