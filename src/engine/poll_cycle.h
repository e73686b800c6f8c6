#pragma once
#include <cstdint>

#include "engine/axis_drive.h"
#include "engine/dispatcher.h"
#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/profile.h"
#include "ports/dialogs.h"
#include "ports/joystick.h"

namespace pultara {

// One tick of the poll timer: read joystick 0, show it, turn button changes
// into dispatcher events and apply the three axis actions.
class PollCycle {
public:
    PollCycle(const Profile& profile, EngineState& state, MainWindowPort& window,
              Joystick& joystick, Dispatcher& dispatcher, CommandOperations& commands,
              AxisOperations& axes, Dialogs& dialogs);

    // The tick's axis half, which the rest rule asks too.
    const AxisDrive& Axes() const { return axes_; }

    // The tick. An error raised by a command ends the tick where it happened
    // and is shown by the application's general error display.
    void Timer1Timer();

private:
    void RunTick();
    void ApplyButtons();

    EngineState& state_;
    MainWindowPort& window_;
    Joystick& joystick_;
    Dispatcher& dispatcher_;
    AxisDrive axes_;
    Dialogs& dialogs_;
};

}  // namespace pultara
