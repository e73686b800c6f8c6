#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/linux/wayland/toplevel_desktop.h"
#include "platform/linux/wayland/uinput_device.h"
#include "platform/linux/wayland/uinput_input.h"
#include "platform/linux/wayland/virtual_keyboard.h"
#include "platform/linux/wayland/virtual_pointer.h"
#include "platform/linux/wayland/wayland_session.h"

namespace pultara::linux_wayland {

// Keys, pointer and windows on a Wayland session: the compositor's virtual
// keyboard, virtual pointer and window list where it offers them; keys and
// pointer through a kernel input device (/dev/uinput) where it does not.
class WaylandPorts {
public:
    explicit WaylandPorts(const std::string& uinputPath = "/dev/uinput");

    bool Connected() const { return session_.Connected(); }
    Keyboard& keyboard();
    Mouse& mouse();
    Desktop& desktop() { return desktop_; }
    void ReleaseAllKeys();
    // In German, what the session lacks, what follows from it and how to
    // grant it; empty when keys, pointer and windows work (the windows
    // also when `windowsElsewhere`: another service lists them).
    std::string Missing(bool windowsElsewhere = false) const;

private:
    WaylandSession session_;
    VirtualKeyboard virtualKeyboard_{session_};
    VirtualPointer virtualPointer_{session_};
    ToplevelDesktop desktop_{session_};
    std::unique_ptr<UinputDevice> uinput_;
    std::string uinputError_;
    std::optional<UinputKeyboard> uinputKeyboard_;
    std::optional<UinputMouse> uinputMouse_;
};

}  // namespace pultara::linux_wayland
