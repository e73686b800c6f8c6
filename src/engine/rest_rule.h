#pragma once
#include "engine/axis_drive.h"
#include "engine/engine_state.h"
#include "engine/profile.h"
#include "ports/joystick.h"

namespace pultara {

// Whether a tick that reads `sample` would leave everything as it is: nothing
// typed, clicked, moved, set or shown, and the tick's own state unchanged
// (so `sample` must be the reading the state already holds).
// That holds while the main window is hidden, no button is held or owes an
// event (a box still ticked, a mouse button still down), and no axis output
// would act on its axis's position (`axes` asks each by its own rule). While
// this holds the poll timer may sleep until the joystick changes.
bool IsAtRest(const Profile& profile, const EngineState& state, const AxisDrive& axes,
              const JoystickSample& sample, bool mainWindowShown);

}  // namespace pultara
