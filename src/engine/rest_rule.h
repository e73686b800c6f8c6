#pragma once
#include "engine/engine_state.h"
#include "engine/profile.h"
#include "ports/joystick.h"

namespace pultara {

// Whether a tick that reads `sample` would leave everything as it is: nothing
// typed, clicked, moved, set or shown, and the tick's own state unchanged
// (so `sample` must be the reading the state already holds).
// That holds while the main window is hidden, no button is held or owes an
// event (a box still ticked, a mouse button still down), and every axis sits
// where its action does nothing: no action, a mixer position already sent,
// arrow keys between 20000 and 40000 (or at the guard value), a pointer
// position that neither moves nor creeps the pointer. While this holds the
// poll timer may sleep until the joystick changes.
bool IsAtRest(const Profile& profile, const EngineState& state, const JoystickSample& sample,
              bool mainWindowShown);

}  // namespace pultara
