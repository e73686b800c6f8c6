#pragma once
#include <cstdint>

#include "engine/axis_action.h"
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

    // The tick. An error raised by a command ends the tick where it happened
    // and is shown by the application's general error display.
    void Timer1Timer();

private:
    void RunTick();
    void ApplyButtons();
    void ApplyAxis(Axis axis, std::uint32_t position);
    void ApplyMixer(AxisAction action, std::uint32_t position);
    void ApplyArrows(AxisAction action, std::uint32_t position, std::uint32_t guard);
    void ApplyPointer(AxisAction action, std::uint32_t position);

    const Profile& profile_;
    EngineState& state_;
    MainWindowPort& window_;
    Joystick& joystick_;
    Dispatcher& dispatcher_;
    CommandOperations& commands_;
    AxisOperations& axes_;
    Dialogs& dialogs_;
};

}  // namespace pultara
