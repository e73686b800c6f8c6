#pragma once
#include <memory>
#include <string>

#include "platform/linux/linux_platform.h"
#include "ports/desktop.h"
#include "ports/keyboard.h"
#include "ports/mouse.h"

namespace pultara::linux_wayland {
class WaylandPorts;
}
namespace pultara::linux_kwin {
class KWinDesktop;
}

namespace pultara::linux_session {

// The keyboard, mouse and window services of the session the program runs
// in, chosen once at start: on a Wayland session the compositor's own (see
// `linux_wayland::WaylandPorts`), with KWin's scripting for the windows
// where the compositor lists none and KWin is on the session bus (KDE
// Plasma); else X11's (XTest and EWMH) from the X back end.
class SessionPorts {
public:
    explicit SessionPorts(linux_x11::LinuxPlatform& x11);
    ~SessionPorts();
    SessionPorts(const SessionPorts&) = delete;
    SessionPorts& operator=(const SessionPorts&) = delete;

    Keyboard& keyboard() { return *keyboard_; }
    Mouse& mouse() { return *mouse_; }
    Desktop& desktop() { return *desktop_; }
    // Lets go of every key still held by the program.
    void ReleaseAllKeys();
    // What the user is told once at start about what this session cannot
    // do, in German; empty when everything works.
    const std::string& Notice() const { return notice_; }

private:
    linux_x11::LinuxPlatform& x11_;
    std::unique_ptr<linux_wayland::WaylandPorts> wayland_;
    std::unique_ptr<linux_kwin::KWinDesktop> kwin_;
    Keyboard* keyboard_;
    Mouse* mouse_;
    Desktop* desktop_;
    std::string notice_;
};

}  // namespace pultara::linux_session
