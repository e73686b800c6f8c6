#pragma once
#include "platform/linux/alsa_mixer.h"
#include "platform/linux/ewmh_desktop.h"
#include "platform/linux/sdl_joystick.h"
#include "platform/linux/spawn_processes.h"
#include "platform/linux/steady_clock.h"
#include "platform/linux/x_connection.h"
#include "platform/linux/xtest_keyboard.h"
#include "platform/linux/xtest_mouse.h"

namespace pultara::linux_x11 {

// The Linux services the core works with, on one X connection. The value
// store and the dialogs come from the front end.
//
// Supported: joystick 0 through SDL2 (hot-plug), keys and mouse on X11
// through XTest, windows through EWMH (or plain X without a window manager),
// volume/treble/bass on ALSA's default device, the monotonic clock, programs by posix_spawn and
// documents by xdg-open. XTest keys reach X11 programs only: on a Wayland
// session `linux_session::SessionPorts` puts the Wayland back end's keys,
// pointer and windows in their place. There is no thread-input attachment or
// foreground lock timeout on X11.
struct LinuxPlatform {
    XConnection x;
    SdlJoystick joystick;
    XTestKeyboard keyboard{x};
    XTestMouse mouse{x};
    EwmhDesktop desktop{x};
    SpawnProcesses processes;
    AlsaMixer mixer;
    SteadyClock clock;
};

}  // namespace pultara::linux_x11
