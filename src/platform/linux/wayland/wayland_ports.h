#pragma once
#include <string>

#include "platform/linux/wayland/toplevel_desktop.h"
#include "platform/linux/wayland/virtual_keyboard.h"
#include "platform/linux/wayland/virtual_pointer.h"
#include "platform/linux/wayland/wayland_session.h"

namespace pultara::linux_wayland {

// Keys, pointer and windows on a Wayland session, through the compositor's
// virtual keyboard, virtual pointer and window list where it offers them.
struct WaylandPorts {
    WaylandSession session;
    VirtualKeyboard keyboard{session};
    VirtualPointer mouse{session};
    ToplevelDesktop desktop{session};

    // In German, what the compositor does not offer and what follows from
    // it; empty when keys, pointer and windows work.
    std::string Missing() const;
};

}  // namespace pultara::linux_wayland
