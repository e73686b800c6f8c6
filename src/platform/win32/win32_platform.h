#pragma once
#include "platform/win32/registry_store.h"
#include "platform/win32/tick_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_mixer.h"
#include "platform/win32/win32_processes.h"
#include "ports/platform.h"

// The Win32 back end.
//
// Supports: joystick 0 with twelve buttons (joyGetPosEx), keys and mouse
// buttons into the system input stream, the pointer, top-level windows and
// the foreground, the real system version, starting programs and the shell's
// "open", the process priority, the master volume (endpoint API since Vista,
// classic mixer before) with treble and bass where the driver has them, the
// current user's registry, and message boxes.
//
// Cannot: reach windows of programs running elevated (the system drops such
// input without telling), report whether injected keys arrived, or set
// treble and bass on hardware without tone controls.
namespace pultara::win32 {

struct Win32Platform {
    Win32Joystick joystick;
    Win32Keyboard keyboard;
    Win32Mouse mouse;
    Win32Desktop desktop;
    Win32Processes processes;
    Win32Mixer mixer;
    RegistryStore store;
    Win32Dialogs dialogs;
    TickClock clock;

    Platform Services() {
        return Platform{joystick, keyboard, mouse,   desktop, processes,
                        mixer,    store,    dialogs, clock};
    }
};

}  // namespace pultara::win32
