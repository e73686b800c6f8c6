#include "platform/linux/x_connection.h"

#include <X11/Xlib.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

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
