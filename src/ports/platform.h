#pragma once
#include "ports/desktop.h"
#include "ports/dialogs.h"
#include "ports/joystick.h"
#include "ports/keyboard.h"
#include "ports/mixer.h"
#include "ports/monotonic_clock.h"
#include "ports/mouse.h"
#include "ports/processes.h"
#include "ports/value_store.h"

namespace pultara {

// The platform services the core works with, all owned by the front end's
// platform back end and outliving the core.
struct Platform {
    Joystick& joystick;
    Keyboard& keyboard;
    Mouse& mouse;
    Desktop& desktop;
    Processes& processes;
    Mixer& mixer;
    ValueStore& store;
    Dialogs& dialogs;
    MonotonicClock& clock;
};

}  // namespace pultara
