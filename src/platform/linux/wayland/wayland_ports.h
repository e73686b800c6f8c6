#pragma once
#include <string>

#include "platform/linux/wayland/virtual_keyboard.h"
#include "platform/linux/wayland/virtual_pointer.h"
#include "platform/linux/wayland/wayland_session.h"

namespace pultara::linux_wayland {

// Keys and pointer on a Wayland session, through the compositor's virtual
// keyboard and virtual pointer where it offers them.
struct WaylandPorts {
    WaylandSession session;
    VirtualKeyboard keyboard{session};
    VirtualPointer mouse{session};

    // In German, what the compositor does not offer and what follows from
    // it; empty when keys and pointer work.
    std::string Missing() const;
};

}  // namespace pultara::linux_wayland
