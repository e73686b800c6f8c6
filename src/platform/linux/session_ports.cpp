#include "platform/linux/session_ports.h"

#include <cstdlib>

#include "platform/linux/kwin/kwin_desktop.h"
#include "platform/linux/kwin/session_bus.h"
#include "platform/linux/wayland/wayland_ports.h"

namespace pultara::linux_session {

SessionPorts::SessionPorts(linux_x11::LinuxPlatform& x11)
    : x11_(x11), keyboard_(&x11.keyboard), mouse_(&x11.mouse), desktop_(&x11.desktop) {
    if (!linux_x11::IsWaylandSession()) {
        return;
    }
    wayland_ = std::make_unique<linux_wayland::WaylandPorts>();
    if (wayland_->Connected()) {
        keyboard_ = &wayland_->keyboard();
        mouse_ = &wayland_->mouse();
        desktop_ = &wayland_->desktop();
        if (!wayland_->desktop().CanListWindows()) {
            if (auto bus = linux_kwin::SessionBus::ConnectToKWin()) {
                const char* runtime = std::getenv("XDG_RUNTIME_DIR");
                kwin_ = std::make_unique<linux_kwin::KWinDesktop>(
                    std::move(bus), runtime != nullptr && *runtime != '\0' ? runtime : "/tmp");
                desktop_ = kwin_.get();
            }
        }
    }
    notice_ = wayland_->Missing(kwin_ != nullptr);
}

SessionPorts::~SessionPorts() = default;

void SessionPorts::ReleaseAllKeys() {
    x11_.keyboard.ReleaseAllKeys();
    if (wayland_) {
        wayland_->ReleaseAllKeys();
    }
}

}  // namespace pultara::linux_session
