#include "platform/linux/session_ports.h"

#include "platform/linux/wayland/wayland_ports.h"

namespace pultara::linux_session {

SessionPorts::SessionPorts(linux_x11::LinuxPlatform& x11)
    : x11_(x11), keyboard_(&x11.keyboard), mouse_(&x11.mouse), desktop_(&x11.desktop) {
    if (!linux_x11::IsWaylandSession()) {
        return;
    }
    wayland_ = std::make_unique<linux_wayland::WaylandPorts>();
    notice_ = wayland_->Missing();
    if (wayland_->Connected()) {
        keyboard_ = &wayland_->keyboard();
        mouse_ = &wayland_->mouse();
        desktop_ = &wayland_->desktop();
    }
}

SessionPorts::~SessionPorts() = default;

void SessionPorts::ReleaseAllKeys() {
    x11_.keyboard.ReleaseAllKeys();
    if (wayland_) {
        wayland_->ReleaseAllKeys();
    }
}

}  // namespace pultara::linux_session
